// The generated store as a shopper meets it, in Debian's Chromium: the catalogue
// and its basket cookie, the status page, the order form and its mail, the payment
// flows, category pages, awkward shop data and a phone-sized screen.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { spawn } from 'node:child_process';
import { arrancarServidor } from './lib/servidor.mjs';
import { abrirNavegador, registrarDialogos, cesta } from './lib/navegador.mjs';
import { CAPTURA, leerCorreos, vaciarCorreos } from './lib/correos.mjs';
import { proyectoTienda, conProductos, generar } from './lib/proyecto.mjs';
import { tamanoImagen } from './lib/imagen.mjs';
import { deCp1252 } from './lib/pedido.mjs';

const EJEMPLO = new URL('../ejemplo/imagenes/', import.meta.url).pathname;
const CAPTURAS = process.env.VENDALUZ_CAPTURAS || new URL('../docs/screenshots/', import.meta.url).pathname;
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
