// The generated store as a shopper meets it, in Debian's Chromium: the catalogue
// and its basket cookie, the status page, the order form and its mail, the payment
// flows, category pages, awkward shop data and a phone-sized screen.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { arrancarServidor, arrancarPhp } from './lib/servidor.mjs';
import { abrirNavegador } from './lib/navegador.mjs';
import { leerCorreos, vaciarCorreos } from './lib/correos.mjs';
import { proyectoTienda, conProductos, generar } from './lib/proyecto.mjs';
import { deCp1252 } from './lib/pedido.mjs';

const EJEMPLO = new URL('../ejemplo/imagenes/', import.meta.url).pathname;
// Pictures of every page go to this folder only when asked for (scripts/capturas), so
// that running the tests never rewrites files of the checkout.
const CAPTURAS = process.env.VENDALUZ_CAPTURAS;
const COMPRADOR = { nombre: 'José', apellido: 'Peña', domicilio: 'Av. Mayo 12', ciudad: 'Córdoba',
  provincia: 'Córdoba', cp: 'X5000', pais: 'Argentina', email: 'jose@example.net', telefono: '555-0100', fax: '-' };
const RARO1 = 'Sill\'n "Roma" \\ 2';
const RARO2 = 'Mesa [grande], #1; oferta';
const RARO3 = 'Ñandú ñoño €';
const PRODUCTOS = [
  ['Silla', '10.50', 'Silla de pino', `${EJEMPLO}silla_pino.jpg`], ['Mesa', '1.10', 'Mesa auxiliar', `${EJEMPLO}cesta_mimbre.gif`],
  [RARO1, '0.50', 'Un nombre con comillas y barra'], [RARO2, '2.999', 'Corchetes, coma, almohadilla y punto y coma'],
  [RARO3, '1.15', '<b>Oferta</b> <i>única</i>'], ['Pi', '3.14159265', 'Muchos decimales'],
  ...Array.from({ length: 19 }, (_, i) => [`Producto ${i + 7}`, `${i + 7}.00`, `Artículo número ${i + 7}`]),
];
const OCULTOS = ['<input type="hidden" name="comercio" value="1234">', '<input type="hidden" name="moneda" value="ARS">'];

let dir, web, nav, captura, tiendas = {};

function proyecto(nombre, { ocultos, servidorExtra, productos = PRODUCTOS, ...cambios } = {}) {
  const p = proyectoTienda({ nombre, redireccion: `${web.base}/gracias.htm`, host: '127.0.0.1', ...cambios });
  p.CGI.Ruta = `${web.base}/${nombre}/cgi-bin/enviar.pl`;
  Object.assign(p.Servidor, servidorExtra);
  if (ocultos) p.SSL = { Cantidad: ` ${ocultos.length}`, ...Object.fromEntries(ocultos.map((o, i) => [`Campo${i}`, o])) };
  return conProductos(p, productos);
}
function crear(nombre, cambios, opciones = [], ini = undefined) {
  generar(ini ? null : proyecto(nombre, cambios), path.join(dir, nombre), opciones, ini);
  tiendas[nombre] = `${web.base}/${nombre}`;
}

before(async () => {
  dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vz-tienda-'));
  captura = fs.mkdirSync(path.join(dir, 'captura'), { recursive: true });
  web = await arrancarServidor({ carpeta: dir, entornoCgi: { VZ_CAPTURA: captura } });
  crear('perl');
  crear('tasa', { productos: PRODUCTOS.slice(0, 20) }, ['--tasa', '21']);
  crear('spg', { servidor: 'SPG', ocultos: OCULTOS, servidorExtra: {
    RutaServidor: `${web.base}/spg/formulario.htm`, ServidorScript: `${web.base}/pasarela/cobro` } });
  crear('ssl', { servidor: 'SSL', ocultos: OCULTOS, servidorExtra: { ServidorScript: `${web.base}/pasarela/ssl` } });
  // The bundled sample store, as a newcomer first sees it.
  crear('ejemplo', {}, [], new URL('../ejemplo/tienda.ini', import.meta.url).pathname);
  nav = await abrirNavegador();
});
after(async () => {
  await nav?.cerrar(), await web?.cerrar();
  fs.rmSync(dir, { recursive: true, force: true });
});

const cesta = (tienda) => nav.cesta(tiendas[tienda]);
// Runs an action and waits for the page's `evento` (by default, the page loaded again).
const recargaTras = (p, accion, evento = 'load') => Promise.all([p.waitForEvent(evento), accion()]);
const filas = (p) => p.locator('table.td tr').evaluateAll((trs) => trs.map((tr) =>
  Array.from(tr.cells).map((td) => td.innerText.trim())));
const llenar = async (p, campos) => { for (const [k, v] of Object.entries(campos)) await p.fill(`input[name="${k}"]`, v); };

async function agregar(p, numero, cantidad) {
  await p.fill(`input[name="agregar${numero}"]`, cantidad);
  await p.locator(`input[name="agregar${numero}"]`).locator('xpath=ancestor::tr[1] >> input[name="cbtadd"]').click();
}
// Opens `pagina` of the store and adds the products { number: quantity }.
async function comprar(p, url, productos) {
  await p.goto(url);
  for (const [n, cantidad] of Object.entries(productos)) await agregar(p, n, cantidad);
}

// Fills the buyer's fields, presses `boton` and waits for `destino`; checks how many
// mails the shop got and returns the first.
async function enviar(p, destino, { boton = 'Enviar', datos = COMPRADOR, correos = 1 } = {}) {
  await llenar(p, datos);
  vaciarCorreos(captura);
  await Promise.all([p.waitForURL(destino), p.locator(`form input[value="${boton}"]`).click()]);
  const recibidos = leerCorreos(captura);
  assert.equal(recibidos.length, correos, 'correos enviados');
  return recibidos[0];
}

const tieneLineas = (texto, lineas, fin = '\n') => lineas.forEach((l) =>
  assert.ok(texto.includes(`${l}${fin}`), `${l} en\n${texto}`));

// ------------------------------------------------------------------ catalogue
test('catálogo: agregar pregunta, guarda la cookie y rechaza cantidades inválidas; paginador y ventana de la foto', async () => {
  const [p, dialogos] = await nav.pagina();
  await comprar(p, `${tiendas.perl}/carrito.htm`, { 1: '2' });
  assert.deepEqual(dialogos.at(-1), { tipo: 'confirm', texto: '¿Agregar 2 Silla al carrito?' });
  assert.equal(await cesta('perl'), '[Silla,10.50#2]');
  await agregar(p, 1, '2');
  const dos = '[Silla,10.50#2][Silla,10.50#2]';
  assert.equal(await cesta('perl'), dos);
  for (const mala of ['0', '-1', 'abc', '1.5', '']) {
    const antes = dialogos.length;
    await agregar(p, 2, mala);
    assert.deepEqual(dialogos.slice(antes), [{ tipo: 'alert', texto: 'La cantidad ingresada es incorrecta' }], mala);
  }
  assert.equal(await cesta('perl'), dos);
  // Declining the question changes nothing.
  const [q] = await nav.pagina(false, true);
  await comprar(q, `${tiendas.perl}/carrito.htm`, { 2: '3' });
  assert.equal(await cesta('perl'), dos);
  // After a reset the value starts with the full stop.
  await p.evaluate(() => resetShoppingBasket());
  await agregar(p, 2, ' 3 ');
  assert.equal(await cesta('perl'), '.[Mesa,1.10#3]');
  await q.close();
  // The pager's links (25 products make three pages, 20 exactly two), and the products on each page.
  for (const [tienda, paginas] of [['tasa', 2], ['perl', 3]]) {
    await p.goto(`${tiendas[tienda]}/carrito.htm`);
    const enlaces = await p.locator('a[href^="carrito"]').evaluateAll((as) => as.map((a) => a.getAttribute('href')));
    assert.deepEqual(enlaces, ['carrito.htm', 'carrito2.htm', 'carrito3.htm'].slice(0, paginas), tienda);
  }
  await p.click('a[href="carrito2.htm"]');
  assert.match(p.url(), /carrito2\.htm$/);
  assert.equal(await p.locator('input[name="agregar12"]').count(), 1);
  await p.goto(`${tiendas.perl}/carrito3.htm`);
  assert.equal(await p.locator('input[name="cbtadd"]').count(), 5);
  // The thumbnail and the name open the picture, as large as it is plus 20 by 30.
  await p.goto(`${tiendas.perl}/carrito.htm`);
  for (const cual of ['img[src="thumbnails/silla_pino.jpg"]', 'a:has(b:text-is("Silla"))']) {
    const [emergente] = await Promise.all([p.waitForEvent('popup'), p.locator(cual).first().click()]);
    await emergente.waitForLoadState();
    assert.equal(emergente.url(), `${tiendas.perl}/imagenes/silla_pino.jpg`);
    assert.deepEqual(await emergente.evaluate(() => [innerWidth - document.images[0].naturalWidth,
      innerHeight - document.images[0].naturalHeight]), [20, 30], cual);
    await emergente.close();
  }
  assert.equal((await p.request.get(`${tiendas.perl}/thumbnails/silla_pino.jpg`)).status(), 200);
  await p.close();
});

// ------------------------------------------------------------------ status page
test('estado: filas, importes, impuesto, quitar y reestablecer', async () => {
  const [p] = await nav.pagina();
  // The same money text on the status page and on the order form.
  const importes = [[0.5, '0.50'], [10, '10.00'], [1.15, '1.15'], [2.999, '2.99'], [0.05, '0.05'], [12.5, '12.50'],
    [3, '3.00'], [19.99, '19.99'], [0.99, '0.99'], [1234.5, '1234.50'], [NaN, 'NaN.NaN']];
  for (const pagina of ['estado.htm', 'formulario.htm']) {
    await p.goto(`${tiendas.perl}/${pagina}`);
    const textos = await p.evaluate((valores) => valores.map((v) => alterError(v)), importes.map(([v]) => v));
    assert.deepEqual(textos, importes.map(([, t]) => t), pagina);
  }
  const casos = [
    ['perl', '', [['Total', '0.00', '']]],
    ['perl', '.[A,0.5#1][B,10#1][C,1.15#1][D,2.999#1]', [['A', '1', '0.5', '0.50', ''], ['B', '1', '10', '10.00', ''],
      ['C', '1', '1.15', '1.15', ''], ['D', '1', '2.999', '2.99', ''], ['Total', '14.64', '']]],
    // At 21 %: 3.30 with 0.69 of tax, 10.50 with 2.205 cut down to 2.20.
    ['tasa', '[Mesa,1.10#3][Silla,10.50#1]', [['Mesa', '3', '1.10', '3.30', ''], ['Silla', '1', '10.50', '10.50', ''],
      ['Impuestos', '21%', ''], ['Total', '16.69', '']]],
  ];
  for (const [tienda, valor, esperado] of casos) {
    await nav.ponerCesta(tiendas[tienda], valor);
    await p.goto(`${tiendas[tienda]}/estado.htm`);
    const tabla = await filas(p);
    assert.deepEqual(tabla[0], ['Producto', 'Cantidad', 'Costo x unidad', 'Costo total', '']);
    assert.deepEqual(tabla.slice(1), esperado, valor);
  }
  // "Quitar" renumbers; removing the last item leaves an empty value.
  await nav.ponerCesta(tiendas.perl, '[A,1#1][B,2#1][C,3#1]');
  await p.goto(`${tiendas.perl}/estado.htm`);
  for (const [n, queda] of [[0, '[B,2#1][C,3#1]'], [1, '[B,2#1]'], [0, '']]) {
    await recargaTras(p, () => p.locator('input[value="Quitar"]').nth(n).click());
    assert.equal(await cesta('perl'), queda);
    assert.deepEqual((await filas(p)).slice(1).map((f) => f[0]), [...queda.matchAll(/\[(\w)/g)].map((m) => m[1])
      .concat('Total'));
  }
  // Resetting asks first; declining keeps the basket.
  await p.close();
  for (const [respuesta, queda] of [[false, '[A,1#1]'], [true, '.']]) {
    const [q, preguntas] = await nav.pagina(respuesta);
    await nav.ponerCesta(tiendas.perl, '[A,1#1]');
    await q.goto(`${tiendas.perl}/estado.htm`);
    const clic = () => q.click('a[href="javascript:clearBasket()"]');
    await recargaTras(q, clic, respuesta ? 'load' : 'dialog');
    assert.deepEqual(preguntas.at(-1), { tipo: 'confirm', texto: '¿Confirma que desea reestablecer el carrito?' });
    assert.equal(await cesta('perl'), queda);
    await q.close();
  }
});

// ------------------------------------------------------------------ order form
test('formulario: campos ocultos, total, validación y pedido por el script Perl', async () => {
  const [p, dialogos] = await nav.pagina();
  await nav.ponerCesta(tiendas.tasa, '[Silla,10.50#1][Mesa,1.10#3]');
  await p.goto(`${tiendas.tasa}/formulario.htm`);
  const carro = await p.locator('form input[type="hidden"]').evaluateAll((is) => is.map((i) => [i.name, i.value])
    .filter(([k]) => /^(Producto|Cantidad|ProductoTotal)\d+$|^Total$/.test(k)));
  // 10.50 + 2.20 tax, 3.30 + 0.69 tax.
  assert.deepEqual(carro, [['Producto1', 'Silla'], ['Cantidad1', '1'], ['ProductoTotal1', '10.50'],
    ['Producto2', 'Mesa'], ['Cantidad2', '3'], ['ProductoTotal2', '3.30'], ['Total', '16.69']]);
  assert.match(await p.locator('body').innerText(), /\$ 16\.69/);
  // An empty field: the alert, the focus on it, and nothing sent.
  await enviar(p, /formulario\.htm$/, { datos: { ...COMPRADOR, ciudad: '' }, correos: 0 });
  assert.deepEqual(dialogos.at(-1), { tipo: 'alert', texto: 'Por favor complete todos los campos del formulario' });
  assert.equal(await p.evaluate(() => document.activeElement.name), 'ciudad');
  assert.match(p.url(), /formulario\.htm$/);
  tieneLineas((await enviar(p, `${web.base}/gracias.htm`)).texto, ['Producto1: Silla', 'Cantidad1: 1',
    'ProductoTotal1: 10.50', 'Producto2: Mesa', 'Total: 16.69', 'nombre: José', 'apellido: Peña', 'ciudad: Córdoba']);
  await p.close();
});

// ------------------------------------------------------------------ awkward shop data
test('datos difíciles: nombres con comillas, corchetes y eñes se agregan, listan, quitan y llegan al correo', async () => {
  const [p, dialogos] = await nav.pagina();
  await comprar(p, `${tiendas.perl}/carrito.htm`, { 3: '1', 4: '2', 5: '3', 6: '1' });
  // The description's markup is the shop owner's, shown as markup.
  assert.equal(await p.locator('b:text-is("Oferta")').count(), 1);
  assert.deepEqual(dialogos.map((d) => d.texto), [`¿Agregar 1 ${RARO1} al carrito?`, `¿Agregar 2 ${RARO2} al carrito?`,
    `¿Agregar 3 ${RARO3} al carrito?`, '¿Agregar 1 Pi al carrito?']);
  await p.goto(`${tiendas.perl}/estado.htm`);
  assert.deepEqual((await filas(p)).slice(1), [[RARO1, '1', '0.50', '0.50', ''], [RARO2, '2', '2.999', '5.99', ''],
    [RARO3, '3', '1.15', '3.45', ''], ['Pi', '1', '3.14159265', '3.14', ''], ['Total', '13.09', '']]);
  await recargaTras(p, () => p.locator('input[value="Quitar"]').nth(3).click());
  assert.deepEqual((await filas(p)).map((f) => f[0]).slice(1), [RARO1, RARO2, RARO3, 'Total']);
  await p.goto(`${tiendas.perl}/formulario.htm`);
  tieneLineas((await enviar(p, `${web.base}/gracias.htm`)).texto, [`Producto1: ${RARO1}`, `Producto2: ${RARO2}`,
    'ProductoTotal2: 5.99', `Producto3: ${RARO3}`, 'Cantidad3: 3', 'Total: 9.94']);
  await p.close();
});

test('cesta llena: lo que ya no cabe en la cookie se avisa y no se pierde nada en silencio', async () => {
  const [p, dialogos] = await nav.pagina();
  await p.goto(`${tiendas.perl}/carrito2.htm`);
  for (let i = 0; i < 200 && !dialogos.some((d) => d.tipo === 'alert'); i++) await agregar(p, 11 + (i % 10), '1');
  const [aviso, ...otros] = dialogos.filter((d) => d.tipo === 'alert');
  assert.match(aviso?.texto ?? 'sin aviso al llenarse la cesta', /carrito está lleno/);
  // Every item the shopper was told was added (each question but the last) is still there.
  assert.equal((await cesta('perl')).split('[').length, dialogos.length - otros.length - 1);
  await p.close();
});

test('formulario: el pedido llega por enviar.php y el comprador va a la página configurada', async (t) => {
  const carpeta = fs.mkdirSync(path.join(dir, 'php'), { recursive: true });
  const php = await arrancarPhp({ carpeta, entorno: { VZ_CAPTURA: captura }, comoHosting: true });
  t.after(() => php.kill());
  generar(conProductos(proyectoTienda({ nombre: 'php', redireccion: `${php.base}/gracias.htm`, host: '127.0.0.1',
    soporte: 'PHP' }), PRODUCTOS.slice(0, 3)), carpeta);
  fs.writeFileSync(path.join(carpeta, 'gracias.htm'), '<html><body><h1>Gracias</h1></body></html>');
  const [p] = await nav.pagina();
  await comprar(p, `${php.base}/carrito.htm`, { 1: '2', 3: '1' });
  await p.goto(`${php.base}/formulario.htm`);
  const correo = await enviar(p, `${php.base}/gracias.htm`);
  assert.ok(correo.cabeceras.includes('To: tienda@example.com'));
  tieneLineas(correo.texto, ['Producto1 = Silla', 'Cantidad1 = 2', 'ProductoTotal1 = 21.00', `Producto2 = ${RARO1}`,
    'Total = 21.50', 'nombre = José', 'telefono = 555-0100'], '\r\n');
  await p.close();
});

// ------------------------------------------------------------------ payment flows
// What the gateway got: a form posted in the pages' code page, as a Map of its fields.
const enviadoA = (r) => new Map(r.datos.split('&').reverse().map((par) => par.split('=').map((t) => deCp1252(Buffer.from(
  t.replace(/\+/g, ' ').replace(/%([0-9A-F]{2})/gi, (_, h) => String.fromCharCode(parseInt(h, 16))), 'latin1')))));
const tieneCampos = (campos, esperados) =>
  assert.deepEqual(Object.fromEntries(Object.keys(esperados).map((k) => [k, campos.get(k)])), esperados);

test('pasarela: logos, sección de tarjeta y envío a la pasarela con los campos ocultos', async () => {
  const [p] = await nav.pagina();
  const respuestas = [];
  p.on('response', (r) => respuestas.push([new URL(r.url()).pathname, r.status()]));
  await comprar(p, `${tiendas.spg}/carrito.htm`, { 2: '4' });
  assert.equal(await p.locator(`a[href="${web.base}/spg/formulario.htm"]`).count(), 1);
  await p.goto(`${tiendas.spg}/formulario.htm`);
  for (const logo of ['visa', 'master', 'amex', 'diners']) {
    assert.ok(respuestas.some(([r, s]) => r === `/spg/${logo}.gif` && s === 200), logo);
    assert.ok(await p.locator(`img[src="${logo}.gif"]`).evaluate((i) => i.naturalWidth > 0), logo);
  }
  assert.deepEqual(await p.locator('select[name="Tipo"] option').allInnerTexts(),
    ['Visa', 'Master Card', 'American Express', 'Diners Club']);
  await llenar(p, { Titular: 'José Peña', Número: '4111111111111111', Expira: '12/30' });
  await p.selectOption('select[name="Tipo"]', 'Diners Club');
  web.recibidos.length = 0;
  await enviar(p, `${web.base}/pasarela/cobro`, { correos: 0 });
  assert.equal(web.recibidos[0].metodo, 'POST');
  tieneCampos(enviadoA(web.recibidos[0]), { comercio: '1234', moneda: 'ARS', Tipo: 'Diners Club', Titular: 'José Peña',
    Expira: '12/30', Producto1: 'Mesa', Cantidad1: '4', ProductoTotal1: '4.40', Total: '4.40', nombre: 'José' });
  // "Número" travels in the page's code page.
  assert.ok(web.recibidos[0].datos.includes('N%FAmero=4111111111111111'));
  await p.close();
});

test('ssl: Continuar lleva el pedido a ssl.htm, que lo envía con la tarjeta al servidor seguro', async () => {
  const [p] = await nav.pagina();
  await comprar(p, `${tiendas.ssl}/carrito.htm`, { 1: '1', 4: '2', 5: '1' });
  await p.goto(`${tiendas.ssl}/formulario.htm`);
  assert.equal(await p.locator('input[name="comercio"]').count(), 0);
  await enviar(p, /ssl\.htm\?/, { boton: 'Continuar', correos: 0 });
  const consulta = new URL(p.url()).searchParams;
  assert.deepEqual([consulta.get('Producto1'), consulta.get('Total')], ['Silla', '17.64']);
  assert.equal(await p.locator('input[name="comercio"]').count(), 1);
  await llenar(p, { Titular: 'Jose', Numero: '4111111111111111', Expiracion: '12/30' });
  web.recibidos.length = 0;
  await Promise.all([p.waitForURL(`${web.base}/pasarela/ssl`), p.locator('input[value="Enviar Orden"]').click()]);
  // The order itself travels on with the card: items, total and the buyer's data.
  tieneCampos(enviadoA(web.recibidos[0]), { Titular: 'Jose', Numero: '4111111111111111', Expiracion: '12/30',
    Tipo: 'Visa', comercio: '1234', moneda: 'ARS', Producto1: 'Silla', Producto2: RARO2, Cantidad2: '2', Producto3: RARO3,
    Total: '17.64', email: 'jose@example.net', nombre: 'José', ciudad: 'Córdoba', domicilio: 'Av. Mayo 12' });
  await p.close();
});

// ------------------------------------------------------------------ categories
test('categorías: sus páginas comparten la cesta y llevan al estado y al formulario de la tienda', async () => {
  crear('cat');
  generar(proyecto('cat', { productos: [['Silla plegable', '7.25', 'Oferta de temporada', `${EJEMPLO}banco_jardin.jpg`],
    ['Taburete', '4.00', 'Pino']] }), path.join(dir, 'cat'), ['--categoria', 'ofertas']);
  const [p] = await nav.pagina();
  await comprar(p, `${tiendas.cat}/carrito.htm`, { 1: '1' });
  await comprar(p, `${tiendas.cat}/ofertas.htm`, { 1: '2' });
  assert.equal(await cesta('cat'), '[Silla,10.50#1][Silla plegable,7.25#2]');
  await Promise.all([p.waitForURL(/estado\.htm$/), p.click('a[href="estado.htm"]')]);
  assert.deepEqual((await filas(p)).slice(1).map((f) => f[0]), ['Silla', 'Silla plegable', 'Total']);
  await p.goto(`${tiendas.cat}/ofertas.htm`);
  await Promise.all([p.waitForURL(/formulario\.htm$/), p.click('a[href="formulario.htm"]')]);
  assert.equal(await p.locator('input[name="Total"]').getAttribute('value'), '25.00');
  await p.close();
});

// ------------------------------------------------------------------ phones and pictures of every page
const PAGINAS = [['ejemplo', 'ejemplo', 'carrito.htm'], ['catalogo', 'perl', 'carrito.htm'], ['estado', 'tasa', 'estado.htm'],
  ['formulario', 'perl', 'formulario.htm'], ['pasarela', 'spg', 'formulario.htm'], ['pago', 'ssl', 'ssl.htm'],
  ['categoria', 'cat', 'ofertas.htm']];

test('teléfonos: cada clase de página se lee a 375 por 667 sin desplazarse de lado', async () => {
  const fallos = [];
  for (const [ancho, alto, sufijo] of [[375, 667, 'telefono'], [1024, 768, 'escritorio']]) {
    const [p] = await nav.pagina();
    await p.setViewportSize({ width: ancho, height: alto });
    for (const [nombre, tienda, archivo] of PAGINAS.filter(([, t]) => tiendas[t])) {
      await nav.ponerCesta(tiendas[tienda], '[Silla,10.50#2][Mesa,1.10#3]', true);
      await p.goto(`${tiendas[tienda]}/${archivo}`);
      const { anchoPagina, cortado } = await p.evaluate(() => ({
        anchoPagina: document.documentElement.scrollWidth,
        // Text of a cell that runs past the right edge of the screen, unless a box
        // around its table lets the shopper scroll it into view.
        cortado: Array.from(document.querySelectorAll('td')).filter((td) => {
          const desplazable = (e) => e && ((['auto', 'scroll'].includes(getComputedStyle(e).overflowX)
            && e.scrollWidth > e.clientWidth) || desplazable(e.parentElement));
          return td.innerText.trim() && td.getBoundingClientRect().right > innerWidth + 1 && !desplazable(td.parentElement);
        }).map((td) => td.innerText),
      }));
      if (CAPTURAS) await p.screenshot({ path: path.join(CAPTURAS, `tienda-${nombre}-${sufijo}.png`), fullPage: true });
      if (sufijo === 'telefono' && (anchoPagina > ancho || cortado.length)) fallos.push({ nombre, anchoPagina, cortado });
    }
    await p.close();
  }
  assert.deepEqual(fallos, []);
});
