// The generated store as a shopper meets it, in Debian's Chromium: the catalogue
// and its basket cookie, the status page, the order form and its mail, the payment
// flows, category pages, awkward shop data and a phone-sized screen.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { spawn, spawnSync } from 'node:child_process';
import { arrancarServidor } from './lib/servidor.mjs';
import { abrirNavegador, registrarDialogos, cesta } from './lib/navegador.mjs';
import { CAPTURA, leerCorreos, vaciarCorreos } from './lib/correos.mjs';
import { proyectoTienda, conProductos, generar, GENERAR } from './lib/proyecto.mjs';
import { tamanoImagen } from './lib/imagen.mjs';
import { deCp1252 } from './lib/pedido.mjs';

const EJEMPLO = new URL('../ejemplo/imagenes/', import.meta.url).pathname;
// Pictures of every page go to this folder only when asked for (scripts/capturas), so
// that running the tests never rewrites files of the checkout.
const CAPTURAS = process.env.VENDALUZ_CAPTURAS;
const CAMPOS = [['Nombre', 'nombre', '34'], ['Apellido', 'apellido', '34'], ['Domicilio', 'domicilio', '34'],
  ['Ciudad', 'ciudad', '34'], ['Provincia', 'provincia', '34'], ['Código Postal', 'cp', '34'], ['País', 'pais', '34'],
  ['E-mail', 'email', '34'], ['Teléfono', 'telefono', '34'], ['Fax', 'fax', '34']];
const COMPRADOR = { nombre: 'José', apellido: 'Peña', domicilio: 'Av. Mayo 12', ciudad: 'Córdoba',
  provincia: 'Córdoba', cp: 'X5000', pais: 'Argentina', email: 'jose@example.net', telefono: '555-0100', fax: '-' };

const RARO1 = 'Sill\'n "Roma" \\ 2';
const RARO2 = 'Mesa [grande], #1; oferta';
const RARO3 = 'Ñandú ñoño €';
const PRODUCTOS = [
  ['Silla', '10.50', 'Silla de pino', `${EJEMPLO}silla_pino.jpg`],
  ['Mesa', '1.10', 'Mesa auxiliar', `${EJEMPLO}cesta_mimbre.gif`],
  [RARO1, '0.50', 'Un nombre con comillas y barra', ''],
  [RARO2, '2.999', 'Corchetes, coma, almohadilla y punto y coma', ''],
  [RARO3, '1.15', '<b>Oferta</b> <i>única</i>', ''],
  ['Pi', '3.14159265', 'Muchos decimales', ''],
  ...Array.from({ length: 19 }, (_, i) => [`Producto ${i + 7}`, `${i + 7}.00`, `Artículo número ${i + 7}`, '']),
];

let dir, web, nav, captura;
const tiendas = {};

function crear(nombre, cambios = {}, productos = PRODUCTOS, opciones = []) {
  const carpeta = path.join(dir, nombre);
  const base = proyectoTienda({ nombre, email: 'tienda@example.com', redireccion: `${web.base}/gracias.htm`,
    host: '127.0.0.1', sendmail: CAPTURA, campos: CAMPOS, ...cambios });
  base.CGI.Ruta = `${web.base}/${nombre}/cgi-bin/enviar.pl`;
  Object.assign(base.Servidor, cambios.servidorExtra || {});
  if (cambios.ocultos) base.SSL = { Cantidad: ` ${cambios.ocultos.length}`,
    ...Object.fromEntries(cambios.ocultos.map((o, i) => [`Campo${i}`, o])) };
  generar(conProductos(base, productos), carpeta, opciones);
  tiendas[nombre] = `${web.base}/${nombre}`;
  return carpeta;
}

before(async () => {
  dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vz-tienda-'));
  captura = path.join(dir, 'captura');
  fs.mkdirSync(captura);
  web = await arrancarServidor({ carpeta: dir, entornoCgi: { VZ_CAPTURA: captura } });
  crear('perl');
  crear('tasa', {}, PRODUCTOS, ['--tasa', '21']);
  // The bundled sample store, as a newcomer first sees it.
  const ejemplo = spawnSync(GENERAR, ['--salida', path.join(dir, 'ejemplo'), '--reemplazar', '--silencioso',
    new URL('../ejemplo/tienda.ini', import.meta.url).pathname]);
  assert.equal(ejemplo.status, 0, String(ejemplo.stderr));
  tiendas.ejemplo = `${web.base}/ejemplo`;
  nav = await abrirNavegador();
});
after(async () => {
  await nav?.cerrar();
  await web?.cerrar();
  fs.rmSync(dir, { recursive: true, force: true });
});

async function nuevaPagina() {
  await nav.contexto.clearCookies();
  return nav.contexto.newPage();
}

async function agregar(pagina, numero, cantidad) {
  if (cantidad !== undefined) await pagina.fill(`input[name="agregar${numero}"]`, cantidad);
  await pagina.locator(`input[name="agregar${numero}"]`).locator('xpath=ancestor::tr[1]')
    .locator('input[name="cbtadd"]').click();
}

// ------------------------------------------------------------------ catalogue
test('catálogo: agregar pregunta, guarda la cookie y rechaza cantidades inválidas', async () => {
  const p = await nuevaPagina();
  const dialogos = registrarDialogos(p, true);
  await p.goto(`${tiendas.perl}/carrito.htm`);
  await agregar(p, 1, '2');
  assert.deepEqual(dialogos.at(-1), { tipo: 'confirm', texto: '¿Agregar 2 Silla al carrito?' });
  assert.equal(await cesta(nav.contexto, tiendas.perl), '[Silla,10.50#2]');
  await agregar(p, 1, '2');
  assert.equal(await cesta(nav.contexto, tiendas.perl), '[Silla,10.50#2][Silla,10.50#2]');

  for (const mala of ['0', '-1', 'abc', '1.5', '']) {
    const antes = dialogos.length;
    await agregar(p, 2, mala);
    assert.deepEqual(dialogos.slice(antes), [{ tipo: 'alert', texto: 'La cantidad ingresada es incorrecta' }], mala);
  }
  assert.equal(await cesta(nav.contexto, tiendas.perl), '[Silla,10.50#2][Silla,10.50#2]');

  // Declining the question changes nothing.
  const q = await nav.contexto.newPage();
  registrarDialogos(q, false);
  await q.goto(`${tiendas.perl}/carrito.htm`);
  await agregar(q, 2, '3');
  assert.equal(await cesta(nav.contexto, tiendas.perl), '[Silla,10.50#2][Silla,10.50#2]');

  // After a reset the value starts with the full stop.
  await p.evaluate(() => resetShoppingBasket());
  await agregar(p, 2, ' 3 ');
  assert.equal(await cesta(nav.contexto, tiendas.perl), '.[Mesa,1.10#3]');
  await p.close();
  await q.close();
});

test('catálogo: paginador, nombres de campos y ventana de la foto', async () => {
  const p = await nuevaPagina();
  await p.goto(`${tiendas.perl}/carrito.htm`);
  const enlaces = await p.locator('a[href^="carrito"]').evaluateAll((as) => as.map((a) => a.getAttribute('href')));
  assert.deepEqual(enlaces, ['carrito.htm', 'carrito2.htm', 'carrito3.htm']);
  await p.click('a[href="carrito2.htm"]');
  assert.match(p.url(), /carrito2\.htm$/);
  assert.equal(await p.locator('input[name="agregar12"]').count(), 1);
  await p.goto(`${tiendas.perl}/carrito3.htm`);
  assert.equal(await p.locator('input[name="cbtadd"]').count(), 5);

  // The thumbnail and the name open the picture, as large as it is plus 20 by 30.
  await p.goto(`${tiendas.perl}/carrito.htm`);
  const { ancho, alto } = tamanoImagen(`${EJEMPLO}silla_pino.jpg`);
  for (const cual of ['img[src="thumbnails/silla_pino.jpg"]', 'a:has(b:text-is("Silla"))']) {
    const [emergente] = await Promise.all([p.waitForEvent('popup'), p.locator(cual).first().click()]);
    await emergente.waitForLoadState();
    assert.equal(emergente.url(), `${tiendas.perl}/imagenes/silla_pino.jpg`);
    const tam = await emergente.evaluate(() => [window.innerWidth, window.innerHeight]);
    assert.deepEqual(tam, [ancho + 20, alto + 30], cual);
    await emergente.close();
  }
  const miniatura = await p.request.get(`${tiendas.perl}/thumbnails/silla_pino.jpg`);
  assert.equal(miniatura.status(), 200);
  await p.close();
});

// ------------------------------------------------------------------ status page
async function filas(pagina) {
  return pagina.locator('table.td tr').evaluateAll((trs) => trs.map((tr) =>
    Array.from(tr.cells).map((td) => td.innerText.trim())));
}

async function ponerCesta(tienda, valor) {
  await nav.contexto.clearCookies();
  const url = new URL(tienda);
  await nav.contexto.addCookies([{ name: 'TheBasket', value: valor, domain: url.hostname, path: url.pathname }]);
}

// Runs an action that reloads the page and waits for the new page.
async function recargaTras(p, accion) {
  await Promise.all([p.waitForEvent('load'), accion()]);
}

test('estado: filas, importes, impuesto, quitar y reestablecer', async () => {
  const p = await nuevaPagina();
  const dialogos = registrarDialogos(p, true);
  await ponerCesta(tiendas.perl, '');
  await p.goto(`${tiendas.perl}/estado.htm`);
  assert.deepEqual(await filas(p), [['Producto', 'Cantidad', 'Costo x unidad', 'Costo total', ''], ['Total', '0.00', '']]);

  await ponerCesta(tiendas.perl, '.[A,0.5#1][B,10#1][C,1.15#1][D,2.999#1]');
  await p.goto(`${tiendas.perl}/estado.htm`);
  assert.deepEqual((await filas(p)).slice(1), [
    ['A', '1', '0.5', '0.50', ''], ['B', '1', '10', '10.00', ''], ['C', '1', '1.15', '1.15', ''],
    ['D', '1', '2.999', '2.99', ''], ['Total', '14.64', '']]);

  // One item of 1.10 by 3 at 21 %: 3.30, and 3.99 with the tax cut down to 0.69.
  await ponerCesta(tiendas.tasa, '[Mesa,1.10#3]');
  await p.goto(`${tiendas.tasa}/estado.htm`);
  assert.deepEqual((await filas(p)).slice(1), [['Mesa', '3', '1.10', '3.30', ''], ['Impuestos', '21%', ''],
    ['Total', '3.99', '']]);

  // "Quitar" renumbers; removing the last item leaves an empty value.
  await ponerCesta(tiendas.perl, '[A,1#1][B,2#1][C,3#1]');
  await p.goto(`${tiendas.perl}/estado.htm`);
  await recargaTras(p, () => p.locator('input[value="Quitar"]').first().click());
  assert.equal(await cesta(nav.contexto, tiendas.perl), '[B,2#1][C,3#1]');
  assert.deepEqual((await filas(p)).slice(1, 3).map((f) => f[0]), ['B', 'C']);
  await recargaTras(p, () => p.locator('input[value="Quitar"]').nth(1).click());
  assert.equal(await cesta(nav.contexto, tiendas.perl), '[B,2#1]');
  await recargaTras(p, () => p.locator('input[value="Quitar"]').click());
  assert.equal(await cesta(nav.contexto, tiendas.perl), '');
  assert.deepEqual((await filas(p)).slice(1), [['Total', '0.00', '']]);

  // Resetting asks first; declining keeps the basket.
  await ponerCesta(tiendas.perl, '[A,1#1]');
  await p.goto(`${tiendas.perl}/estado.htm`);
  await recargaTras(p, () => p.click('a[href="javascript:clearBasket()"]'));
  assert.deepEqual(dialogos.at(-1), { tipo: 'confirm', texto: '¿Confirma que desea reestablecer el carrito?' });
  assert.equal(await cesta(nav.contexto, tiendas.perl), '.');
  await p.close();

  const q = await nuevaPagina();
  registrarDialogos(q, false);
  await ponerCesta(tiendas.perl, '[A,1#1]');
  await q.goto(`${tiendas.perl}/estado.htm`);
  await q.click('a[href="javascript:clearBasket()"]');
  assert.equal(await cesta(nav.contexto, tiendas.perl), '[A,1#1]');
  await q.close();
});

test('importes: el mismo texto de dinero en la página de estado y en el formulario', async () => {
  const casos = [[0.5, '0.50'], [10, '10.00'], [1.15, '1.15'], [2.999, '2.99'], [0.05, '0.05'], [12.5, '12.50'],
    [3, '3.00'], [19.99, '19.99'], [0.99, '0.99'], [1234.5, '1234.50'], [NaN, 'NaN.NaN']];
  const p = await nuevaPagina();
  for (const pagina of ['estado.htm', 'formulario.htm']) {
    await p.goto(`${tiendas.perl}/${pagina}`);
    const textos = await p.evaluate((valores) => valores.map((v) => alterError(v)), casos.map(([v]) => v));
    assert.deepEqual(textos, casos.map(([, t]) => t), pagina);
  }
  await p.close();
});

// ------------------------------------------------------------------ order form
async function llenarComprador(p, datos = COMPRADOR) {
  for (const [k, v] of Object.entries(datos)) await p.fill(`input[name="${k}"]`, v);
}

function ocultos(p) {
  return p.locator('form input[type="hidden"]').evaluateAll((is) => is.map((i) => [i.name, i.value]));
}

test('formulario: campos ocultos, total, validación y pedido por el script Perl', async () => {
  const p = await nuevaPagina();
  const dialogos = registrarDialogos(p, true);
  await ponerCesta(tiendas.tasa, '[Silla,10.50#2][Mesa,1.10#3]');
  await p.goto(`${tiendas.tasa}/formulario.htm`);
  const carro = (await ocultos(p)).filter(([k]) => /^(Producto|Cantidad|ProductoTotal)\d+$|^Total$/.test(k));
  // 21.00 + 4.41 tax, 3.30 + 0.69 tax.
  assert.deepEqual(carro, [['Producto1', 'Silla'], ['Cantidad1', '2'], ['ProductoTotal1', '21.00'],
    ['Producto2', 'Mesa'], ['Cantidad2', '3'], ['ProductoTotal2', '3.30'], ['Total', '29.40']]);
  assert.match(await p.locator('body').innerText(), /\$ 29\.40/);

  // An empty field: the alert, the focus on it, and nothing sent.
  await llenarComprador(p, { ...COMPRADOR, ciudad: '' });
  vaciarCorreos(captura);
  await p.locator('form input[type="submit"], form input[type="button"][value="Enviar"]').first().click();
  assert.deepEqual(dialogos.at(-1), { tipo: 'alert', texto: 'Por favor complete todos los campos del formulario' });
  assert.equal(await p.evaluate(() => document.activeElement.name), 'ciudad');
  assert.match(p.url(), /formulario\.htm$/);
  assert.equal(leerCorreos(captura).length, 0);

  await p.fill('input[name="ciudad"]', 'Córdoba');
  await Promise.all([p.waitForURL(`${web.base}/gracias.htm`),
    p.locator('form input[type="submit"], form input[type="button"][value="Enviar"]').first().click()]);
  const correos = leerCorreos(captura);
  assert.equal(correos.length, 1);
  const cuerpo = deCp1252(Buffer.from(correos[0].cuerpo, 'latin1'));
  for (const linea of ['Producto1: Silla', 'Cantidad1: 2', 'ProductoTotal1: 21.00', 'Producto2: Mesa',
    'Total: 29.40', 'nombre: José', 'apellido: Peña', 'ciudad: Córdoba']) {
    assert.ok(cuerpo.includes(`${linea}\n`), `${linea} en\n${cuerpo}`);
  }
  await p.close();
});

// ------------------------------------------------------------------ awkward shop data
test('datos difíciles: nombres con comillas, corchetes y eñes se agregan, listan, quitan y llegan al correo', async () => {
  const p = await nuevaPagina();
  const dialogos = registrarDialogos(p, true);
  await p.goto(`${tiendas.perl}/carrito.htm`);
  // The description's markup is the shop owner's, shown as markup.
  assert.equal(await p.locator('b:text-is("Oferta")').count(), 1);
  for (const [n, cantidad] of [[3, '1'], [4, '2'], [5, '3'], [6, '1']]) await agregar(p, n, cantidad);
  assert.deepEqual(dialogos.map((d) => d.texto), [`¿Agregar 1 ${RARO1} al carrito?`, `¿Agregar 2 ${RARO2} al carrito?`,
    `¿Agregar 3 ${RARO3} al carrito?`, '¿Agregar 1 Pi al carrito?']);

  await p.goto(`${tiendas.perl}/estado.htm`);
  assert.deepEqual((await filas(p)).slice(1), [[RARO1, '1', '0.50', '0.50', ''], [RARO2, '2', '2.999', '5.99', ''],
    [RARO3, '3', '1.15', '3.45', ''], ['Pi', '1', '3.14159265', '3.14', ''], ['Total', '13.09', '']]);
  await recargaTras(p, () => p.locator('input[value="Quitar"]').nth(3).click());
  assert.deepEqual((await filas(p)).map((f) => f[0]).slice(1), [RARO1, RARO2, RARO3, 'Total']);

  await p.goto(`${tiendas.perl}/formulario.htm`);
  await llenarComprador(p);
  vaciarCorreos(captura);
  await Promise.all([p.waitForURL(`${web.base}/gracias.htm`), p.locator('form input[value="Enviar"]').click()]);
  const cuerpo = deCp1252(Buffer.from(leerCorreos(captura)[0].cuerpo, 'latin1'));
  for (const linea of [`Producto1: ${RARO1}`, `Producto2: ${RARO2}`, 'ProductoTotal2: 5.99', `Producto3: ${RARO3}`,
    'Cantidad3: 3', 'Total: 9.94']) {
    assert.ok(cuerpo.includes(`${linea}\n`), `${linea} en\n${cuerpo}`);
  }
  await p.close();
});

test('cesta llena: lo que ya no cabe en la cookie se avisa y no se pierde nada en silencio', async () => {
  const p = await nuevaPagina();
  const dialogos = registrarDialogos(p, true);
  await p.goto(`${tiendas.perl}/carrito2.htm`);
  let agregados = 0;
  for (let i = 0; i < 200 && !dialogos.some((d) => d.tipo === 'alert'); i++) {
    await agregar(p, 11 + (i % 10), '1');
    if (!dialogos.some((d) => d.tipo === 'alert')) agregados++;
  }
  const aviso = dialogos.find((d) => d.tipo === 'alert');
  assert.ok(aviso, 'sin aviso al llenarse la cesta');
  assert.match(aviso.texto, /carrito está lleno/);
  // Every item the shopper was told was added is still there.
  const valor = await cesta(nav.contexto, tiendas.perl);
  assert.equal((valor.match(/\[/g) || []).length, agregados);
  await p.close();
});

test('formulario: el pedido llega por enviar.php y el comprador va a la página configurada', async (t) => {
  const libre = await arrancarServidor({ carpeta: dir });
  const puerto = libre.puerto;
  await libre.cerrar();
  const base = `http://127.0.0.1:${puerto}`;
  const carpeta = path.join(dir, 'php');
  generar(conProductos(proyectoTienda({ nombre: 'php', email: 'tienda@example.com', redireccion: `${base}/gracias.htm`,
    host: '127.0.0.1', sendmail: CAPTURA, campos: CAMPOS, soporte: 'PHP' }), PRODUCTOS.slice(0, 3)), carpeta);
  fs.writeFileSync(path.join(carpeta, 'gracias.htm'), '<html><body><h1>Gracias</h1></body></html>');
  const enrutador = new URL('./lib/enrutador.php', import.meta.url).pathname;
  const php = spawn('php', ['-S', `127.0.0.1:${puerto}`, '-t', carpeta, '-d', `sendmail_path=${CAPTURA} -t -i`,
    '-d', 'default_charset=', enrutador],
    { env: { ...process.env, VZ_CAPTURA: captura }, stdio: 'ignore' });
  t.after(() => php.kill());
  for (let i = 0; i < 100; i++) {
    try { await fetch(`${base}/gracias.htm`); break; } catch { await new Promise((r) => setTimeout(r, 50)); }
  }

  const p = await nuevaPagina();
  registrarDialogos(p, true);
  await p.goto(`${base}/carrito.htm`);
  await agregar(p, 1, '2');
  await agregar(p, 3, '1');
  await p.goto(`${base}/formulario.htm`);
  await llenarComprador(p);
  vaciarCorreos(captura);
  await Promise.all([p.waitForURL(`${base}/gracias.htm`), p.locator('form input[value="Enviar"]').click()]);
  const correos = leerCorreos(captura);
  assert.equal(correos.length, 1);
  assert.ok(correos[0].cabeceras.includes('To: tienda@example.com'));
  const cuerpo = deCp1252(Buffer.from(correos[0].cuerpo, 'latin1'));
  for (const linea of ['Producto1 = Silla', 'Cantidad1 = 2', 'ProductoTotal1 = 21.00', `Producto2 = ${RARO1}`,
    'Total = 21.50', 'nombre = José', 'telefono = 555-0100']) {
    assert.ok(cuerpo.includes(`${linea}\r\n`), `${linea} en\n${cuerpo}`);
  }
  await p.close();
});

// ------------------------------------------------------------------ payment flows
// A posted form in the pages' code page, as a Map of its fields.
function leerFormulario(datos) {
  const campos = new Map();
  for (const par of datos.split('&')) {
    const [k, v = ''] = par.split('=').map((t) => deCp1252(Buffer.from(
      t.replace(/\+/g, ' ').replace(/%([0-9A-Fa-f]{2})/g, (_, h) => String.fromCharCode(parseInt(h, 16))), 'latin1')));
    if (!campos.has(k)) campos.set(k, v);
  }
  return campos;
}

const OCULTOS = ['<input type="hidden" name="comercio" value="1234">', '<input type="hidden" name="moneda" value="ARS">'];

test('pasarela: logos, sección de tarjeta y envío a la pasarela con los campos ocultos', async () => {
  crear('spg', { servidor: 'SPG', ocultos: OCULTOS, servidorExtra: {
    RutaServidor: `${web.base}/spg/formulario.htm`, ServidorScript: `${web.base}/pasarela/cobro` } });
  const p = await nuevaPagina();
  registrarDialogos(p, true);
  const respuestas = [];
  p.on('response', (r) => respuestas.push([new URL(r.url()).pathname, r.status()]));
  await p.goto(`${tiendas.spg}/carrito.htm`);
  assert.equal(await p.locator(`a[href="${web.base}/spg/formulario.htm"]`).count(), 1);
  await agregar(p, 2, '4');
  await p.goto(`${tiendas.spg}/formulario.htm`);
  for (const logo of ['visa', 'master', 'amex', 'diners']) {
    assert.ok(respuestas.some(([r, s]) => r === `/spg/${logo}.gif` && s === 200), logo);
    assert.ok(await p.locator(`img[src="${logo}.gif"]`).evaluate((i) => i.naturalWidth > 0), logo);
  }
  assert.deepEqual(await p.locator('select[name="Tipo"] option').allInnerTexts(),
    ['Visa', 'Master Card', 'American Express', 'Diners Club']);
  await llenarComprador(p);
  await p.fill('input[name="Titular"]', 'José Peña');
  await p.selectOption('select[name="Tipo"]', 'Diners Club');
  await p.fill('input[name="Número"]', '4111111111111111');
  await p.fill('input[name="Expira"]', '12/30');
  web.recibidos.length = 0;
  await Promise.all([p.waitForURL(`${web.base}/pasarela/cobro`), p.locator('form input[value="Enviar"]').click()]);
  const enviado = leerFormulario(web.recibidos[0].datos);
  assert.equal(web.recibidos[0].metodo, 'POST');
  for (const [k, v] of [['comercio', '1234'], ['moneda', 'ARS'], ['Tipo', 'Diners Club'], ['Titular', 'Jos\u00e9 Pe\u00f1a'],
    ['Expira', '12/30'], ['Producto1', 'Mesa'], ['Cantidad1', '4'], ['ProductoTotal1', '4.40'], ['Total', '4.40']]) {
    assert.equal(enviado.get(k), v, k);
  }
  // "Número" travels in the page's code page.
  assert.ok(web.recibidos[0].datos.includes('N%FAmero=4111111111111111'));
  await p.close();
});

test('ssl: Continuar lleva el pedido a ssl.htm, que lo envía con la tarjeta al servidor seguro', async () => {
  crear('ssl', { servidor: 'SSL', ocultos: OCULTOS, servidorExtra: { ServidorScript: `${web.base}/pasarela/ssl` } });
  const p = await nuevaPagina();
  registrarDialogos(p, true);
  await p.goto(`${tiendas.ssl}/carrito.htm`);
  await agregar(p, 1, '1');
  await agregar(p, 4, '2');
  await p.goto(`${tiendas.ssl}/formulario.htm`);
  assert.equal(await p.locator('input[name="comercio"]').count(), 0);
  await llenarComprador(p);
  await Promise.all([p.waitForURL(/ssl\.htm\?/), p.locator('form input[value="Continuar"]').click()]);
  const consulta = new URL(p.url()).searchParams;
  assert.equal(consulta.get('Producto1'), 'Silla');
  assert.equal(consulta.get('Total'), '16.49');
  assert.equal(await p.locator('input[name="comercio"]').count(), 1);
  await p.fill('input[name="Titular"]', 'Jose');
  await p.fill('input[name="Numero"]', '4111111111111111');
  await p.fill('input[name="Expiracion"]', '12/30');
  web.recibidos.length = 0;
  await Promise.all([p.waitForURL(`${web.base}/pasarela/ssl`), p.locator('input[value="Enviar Orden"]').click()]);
  const enviado = leerFormulario(web.recibidos[0].datos);
  for (const [k, v] of [['Titular', 'Jose'], ['Numero', '4111111111111111'], ['Expiracion', '12/30'],
    ['Tipo', 'Visa'], ['comercio', '1234'], ['moneda', 'ARS']]) {
    assert.equal(enviado.get(k), v, k);
  }
  // The order itself travels on with the card: items, total and the buyer's data.
  assert.equal(enviado.get('Producto1'), 'Silla');
  assert.equal(enviado.get('Producto2'), RARO2);
  assert.equal(enviado.get('Cantidad2'), '2');
  assert.equal(enviado.get('Total'), '16.49');
  assert.equal(enviado.get('email'), 'jose@example.net');
  assert.equal(enviado.get('nombre'), 'José');
  assert.equal(enviado.get('ciudad'), 'Córdoba');
  await p.close();
});

// ------------------------------------------------------------------ categories
test('categorías: sus páginas comparten la cesta y llevan al estado y al formulario de la tienda', async () => {
  const carpeta = crear('cat');
  const ofertas = [['Silla plegable', '7.25', 'Oferta de temporada', `${EJEMPLO}banco_jardin.jpg`],
    ['Taburete', '4.00', 'Pino', '']];
  const proyecto = conProductos(proyectoTienda({ nombre: 'cat', email: 'tienda@example.com', redireccion: '',
    host: '127.0.0.1', sendmail: CAPTURA, campos: CAMPOS }), ofertas);
  generar(proyecto, carpeta, ['--categoria', 'ofertas']);
  assert.ok(fs.existsSync(path.join(carpeta, 'ofertas.htm')));
  assert.ok(fs.existsSync(path.join(carpeta, 'carrito.htm')));

  const p = await nuevaPagina();
  registrarDialogos(p, true);
  await p.goto(`${tiendas.cat}/carrito.htm`);
  await agregar(p, 1, '1');
  await p.goto(`${tiendas.cat}/ofertas.htm`);
  await agregar(p, 1, '2');
  assert.equal(await cesta(nav.contexto, tiendas.cat), '[Silla,10.50#1][Silla plegable,7.25#2]');
  await Promise.all([p.waitForURL(/estado\.htm$/), p.click('a[href="estado.htm"]')]);
  assert.deepEqual((await filas(p)).slice(1).map((f) => f[0]), ['Silla', 'Silla plegable', 'Total']);
  await p.goto(`${tiendas.cat}/ofertas.htm`);
  await Promise.all([p.waitForURL(/formulario\.htm$/), p.click('a[href="formulario.htm"]')]);
  assert.equal((await ocultos(p)).find(([k]) => k === 'Total')[1], '25.00');
  await p.close();
});

// ------------------------------------------------------------------ phones and pictures of every page
const PAGINAS = [['ejemplo', 'ejemplo', 'carrito.htm'], ['catalogo', 'perl', 'carrito.htm'], ['estado', 'tasa', 'estado.htm'],
  ['formulario', 'perl', 'formulario.htm'], ['pasarela', 'spg', 'formulario.htm'], ['pago', 'ssl', 'ssl.htm'],
  ['categoria', 'cat', 'ofertas.htm']];

test('teléfonos: cada clase de página se lee a 375 por 667 sin desplazarse de lado', async () => {
  if (CAPTURAS) fs.mkdirSync(CAPTURAS, { recursive: true });
  const fallos = [];
  for (const [ancho, alto, sufijo] of [[375, 667, 'telefono'], [1024, 768, 'escritorio']]) {
    const p = await nuevaPagina();
    registrarDialogos(p, true);
    await p.setViewportSize({ width: ancho, height: alto });
    await ponerCesta(tiendas.perl, '[Silla,10.50#2][Mesa,1.10#3]');
    for (const [nombre, tienda, archivo] of PAGINAS) {
      if (!tiendas[tienda]) continue;
      const url = new URL(tiendas[tienda]);
      await nav.contexto.addCookies([{ name: 'TheBasket', value: '[Silla,10.50#2][Mesa,1.10#3]',
        domain: url.hostname, path: url.pathname }]);
      await p.goto(`${tiendas[tienda]}/${archivo}`);
      const { anchoPagina, cortado } = await p.evaluate(() => ({
        anchoPagina: document.documentElement.scrollWidth,
        // Text of a cell that runs past the right edge of the screen, unless a box
        // around its table lets the shopper scroll it into view.
        cortado: Array.from(document.querySelectorAll('td')).filter((td) => {
          if (!td.innerText.trim() || td.getBoundingClientRect().right <= window.innerWidth + 1) return false;
          for (let e = td.parentElement; e; e = e.parentElement) {
            if (['auto', 'scroll'].includes(getComputedStyle(e).overflowX) && e.scrollWidth > e.clientWidth) return false;
          }
          return true;
        }).map((td) => td.innerText),
      }));
      if (CAPTURAS) await p.screenshot({ path: path.join(CAPTURAS, `tienda-${nombre}-${sufijo}.png`), fullPage: true });
      if (sufijo === 'telefono') {
        if (anchoPagina > ancho) fallos.push(`${nombre}: la página mide ${anchoPagina} px de ancho`);
        if (cortado.length) fallos.push(`${nombre}: texto fuera de la pantalla: ${cortado.join(' | ')}`);
      }
    }
    await p.close();
  }
  assert.deepEqual(fallos, []);
});
