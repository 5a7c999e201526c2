// The generated store as a shopper meets it, in Debian's Chromium: the catalogue
// and its basket cookie, the status page, the order form and its mail, the payment
// flows, category pages, awkward shop data, a phone-sized screen and axe-core.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { spawn } from 'node:child_process';
import { arrancarServidor, arrancarPhp } from './lib/servidor.mjs';
import { abrirNavegador } from './lib/navegador.mjs';
import { proyectoTienda, conProductos, generar, GENERAR } from './lib/proyecto.mjs';
import { COMPRADOR as COMPRADOR_CORREO, deCp1252, leerCorreos, vaciarCorreos } from './lib/pedido.mjs';

const EJEMPLO = new URL('../ejemplo/imagenes/', import.meta.url).pathname;
// Pictures of every page go to this folder only when asked for (scripts/capturas), so
// that running the tests never rewrites files of the checkout.
const CAPTURAS = process.env.VENDALUZ_CAPTURAS;
// The buyer of the mail tests, who fills every field of the order form.
const COMPRADOR = { ...Object.fromEntries(COMPRADOR_CORREO), fax: '-' };
const [RARO1, RARO2, RARO3] = ['Sill\'n "Roma" \\ 2', 'Mesa [grande], #1; oferta', 'Ñandú ñoño €'];
// A name with a line break and a tab, one longer than the basket keeps, and one with marks.
const LINEAS = 'Silla\r\nde\tjardín', LARGO = 'Largo '.repeat(50), MARCAS = 'Marcadores *Precio* y *Descripcion*';
const PRODUCTOS = [
  ['Silla', '10.50', 'Silla de pino', `${EJEMPLO}silla_pino.jpg`],
  ['Mesa', '1.10', 'Mesa auxiliar', `${EJEMPLO}cesta_mimbre.gif`],
  [RARO1, '0.50', 'Un nombre con comillas y barra'], [RARO2, '2.999', 'Corchetes, coma y almohadilla'],
  [RARO3, '1.15', '<b>Oferta</b> <i>única</i>'], ['Pi', '3.14159265', 'Muchos decimales'],
  [LINEAS, '7.00', 'Dos líneas'], [LARGO, '8.00', 'Nombre largo'], [MARCAS, '9.00', 'Con marcas'],
  ...Array.from({ length: 16 }, (_, i) => [`Producto ${i + 10}`, `${i + 10}.00`, `Artículo ${i + 10}`]),
];
// A name that would end the product data's script element early, were it written as it is.
const COJIN = 'Cojín </script> "rojo"';
const EUROS = [['Silla', '10.50', 'Silla de <b>pino</b>', `${EJEMPLO}silla_pino.jpg`], ['Mesa', '1234.5', 'Roble'],
  [COJIN, '89.50', '']];
// The fields the shop owner adds for a secure server.
const SEGURO = { Cantidad: ' 2', Campo0: '<input type="hidden" name="comercio" value="1234">',
  Campo1: '<input type="hidden" name="moneda" value="ARS">' };

let dir, web, php, nav, captura, tiendas = {}, servidos = [];

// Generates the store `nombre` (from the project file ini, if given) into its folder; `secciones`
// are added to the project's.
function crear(nombre, { servidorExtra, productos = PRODUCTOS, secciones = {}, ...cambios } = {}, opciones = [],
  ini = undefined) {
  const p = Object.assign(proyectoTienda({ nombre, redireccion: `${web.base}/gracias.htm`, host: '127.0.0.1',
    ...cambios }), secciones);
  p.CGI.Ruta = `${web.base}/${nombre}/cgi-bin/enviar.pl`;
  if (servidorExtra) Object.assign(p.Servidor, servidorExtra), p.SSL = SEGURO;
  generar(ini ? null : conProductos(p, productos), path.join(dir, nombre), opciones, ini);
  tiendas[nombre] = `${web.base}/${nombre}`;
}

before(async () => {
  dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vz-tienda-'));
  captura = fs.mkdirSync(path.join(dir, 'captura'), { recursive: true });
  php = await arrancarPhp({ carpeta: dir, entorno: { VZ_CAPTURA: captura } });
  web = await arrancarServidor({ carpeta: dir, entornoCgi: { VZ_CAPTURA: captura }, php: php.base });
  crear('perl');
  crear('tasa', {}, ['--tasa', '21']);
  crear('php', { soporte: 'PHP', productos: PRODUCTOS.slice(0, 3) });
  crear('spg', { servidor: 'SPG', servidorExtra: {
    RutaServidor: `${web.base}/spg/formulario.htm`, ServidorScript: `${web.base}/pasarela/cobro` } });
  crear('ssl', { servidor: 'SSL', servidorExtra: { ServidorScript: `${web.base}/pasarela/ssl` },
    secciones: { Envio: { Importe: '3' } } });
  // Money as a Spanish shop writes it, shipping free from 100; and the default format with a flat charge.
  crear('euro', { productos: EUROS, secciones: { Moneda: { Simbolo: '€', Codigo: 'EUR', SimboloDespues: '1',
    ComaDecimal: '1', Miles: '1', SimboloEnTodos: '1' }, Envio: { Importe: '4.5', GratisDesde: '100' } } });
  crear('envio', { soporte: 'PHP', productos: PRODUCTOS.slice(0, 2), secciones: { Envio: { Importe: '5' } } },
    ['--tasa', '21']);
  // The bundled sample store, as a newcomer first sees it.
  crear('ejemplo', {}, [], new URL('../ejemplo/tienda.ini', import.meta.url).pathname);
  nav = await abrirNavegador();
});
after(async () => {
  await nav?.cerrar(), await web?.cerrar(), php?.kill(), servidos.forEach((s) => s.kill());
  fs.rmSync(dir, { recursive: true, force: true });
});

const cesta = (tienda) => nav.cesta(tiendas[tienda]);
// Runs an action and waits for the page's `evento` (by default, the page loaded again).
const recargaTras = (p, accion, evento = 'load') => Promise.all([p.waitForEvent(evento), accion()]);
const filas = (p) => p.locator('table.td tr').evaluateAll((trs) => trs.slice(1).map((tr) =>
  Array.from(tr.cells).map((td) => td.innerText.trim())));
const llenar = async (p, campos) => {
  for (const [k, v] of Object.entries(campos)) await p.fill(`input[name="${k}"]`, v);
};
async function agregar(p, numero, cantidad) {
  await p.fill(`input[name="agregar${numero}"]`, cantidad);
  await p.locator(`input[name="agregar${numero}"]`)
    .locator('xpath=ancestor::tr[1] >> input[name="cbtadd"]').click();
}
// Opens the page at url, adds the products { number: quantity } and goes on to `luego`, if given.
async function comprar(p, url, productos, luego) {
  await p.goto(url);
  for (const [n, cantidad] of Object.entries(productos)) await agregar(p, n, cantidad);
  if (luego) await p.goto(luego);
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
test('catálogo: agregar pregunta y guarda la cookie, cantidades inválidas, paginador y foto', async () => {
  const [p, dialogos] = await nav.pagina();
  await comprar(p, `${tiendas.perl}/carrito.htm`, { 1: '2' });
  assert.deepEqual(dialogos.at(-1), { tipo: 'confirm', texto: '¿Agregar 2 Silla al carrito?' });
  await agregar(p, 1, '2');
  const dos = '[Silla,10.50#2][Silla,10.50#2]';
  assert.equal(await cesta('perl'), dos);
  // One character-set declaration with the meta tags on; a product without a picture
  // has neither an empty picture nor a link to one.
  assert.equal(await p.locator('meta[http-equiv="Content-Type"]').count(), 1);
  assert.deepEqual(await p.locator('tr:has(input[name="agregar3"])').evaluate((tr) =>
    [tr.querySelectorAll('img, a').length, tr.cells[1].innerText.split('\n')[0]]), [0, RARO1]);
  const antes = dialogos.length, malas = ['0', '-1', 'abc', '', '1,5,2', '-0.5', '0,0'];
  for (const mala of malas) await agregar(p, 2, mala);
  assert.deepEqual(dialogos.slice(antes),
    malas.map(() => ({ tipo: 'alert', texto: 'La cantidad ingresada es incorrecta' })));
  // Declining the question changes nothing either; after a reset the value starts
  // with the full stop.
  dialogos.respuesta = false;
  await agregar(p, 2, '3');
  assert.equal(await cesta('perl'), dos);
  dialogos.respuesta = true;
  await p.evaluate(() => resetShoppingBasket());
  await agregar(p, 2, ' 3 ');
  await agregar(p, 2, '1,5');
  assert.equal(await cesta('perl'), '.[Mesa,1.10#3][Mesa,1.10#1.5]');
  // Names a cookie cannot hold as they are: blanks for control characters, the first
  // 200 characters of a long one; marks in a name reach the script as typed.
  await nav.ponerCesta(tiendas.perl, '');
  for (const n of [7, 8, 9]) await agregar(p, n, '1');
  assert.equal(dialogos.at(-1).texto, `¿Agregar 1 ${MARCAS} al carrito?`);
  assert.equal(await cesta('perl'), `[Silla de jardín,7.00#1][${LARGO.slice(0, 200)},8.00#1][${MARCAS},9.00#1]`);
  assert.equal(await p.locator('tr:has(input[name="agregar7"]) b').innerHTML(), 'Silla<br>de\tjardín');
  // The pager leads through the three pages of 25 products, each with its own.
  await p.goto(`${tiendas.perl}/carrito.htm`);
  for (const [pagina, primero, cuantos] of [['carrito2.htm', 11, 10], ['carrito3.htm', 21, 5]]) {
    await recargaTras(p, () => p.click(`a[href="${pagina}"]`));
    const nombres = await p.locator('input[name^="agregar"]').evaluateAll((is) => is.map((i) => i.name));
    assert.deepEqual(nombres, Array.from({ length: cuantos }, (_, i) => `agregar${primero + i}`), pagina);
  }
  // A full basket: what no longer fits in the cookie is told, and nothing is lost silently.
  const desde = dialogos.length;
  await nav.ponerCesta(tiendas.perl, '');
  const avisos = () => dialogos.slice(desde).filter((d) => d.tipo === 'alert');
  for (let i = 0; i < 200 && !avisos().length; i++) await agregar(p, 21 + (i % 5), '1');
  const [aviso, ...otros] = avisos();
  assert.match(aviso?.texto ?? 'sin aviso al llenarse la cesta', /carrito está lleno/);
  // Every item the shopper was told was added (each question but the last) is still there.
  assert.equal((await cesta('perl')).split('[').length, dialogos.length - desde - otros.length - 1);
  // A page that can keep no cookie (opened from disk) says so, on adding and on the status page.
  const sinCookies = 'Su navegador no guarda cookies para esta página: el carrito no puede funcionar. '
    + 'Abra la tienda desde su dirección web (http://...) o permita las cookies.';
  await p.goto(`file://${dir}/perl/carrito.htm`);
  await agregar(p, 1, '1');
  assert.deepEqual(dialogos.at(-1), { tipo: 'alert', texto: sinCookies });
  await p.goto(`file://${dir}/perl/estado.htm`);
  assert.ok((await p.locator('body').innerText()).includes(sinCookies));
  assert.equal(await p.locator('input[value="Quitar"], td:text-is("Total")').count(), 0);
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
});

// ------------------------------------------------------------------ status page
test('estado: importes cortados, filas, quitar y restablecer', async () => {
  const [p, dialogos] = await nav.pagina();
  const casos = [['', [['Total', '0.00', '']]],
    ['.[A,0.5#1][B,10#1][C,1.15#1][D,2.999#1][E,3#1.5]', [['A', '1', '0.5', '0.50', ''],
      ['B', '1', '10', '10.00', ''], ['C', '1', '1.15', '1.15', ''], ['D', '1', '2.999', '2.99', ''],
      ['E', '1.5', '3', '4.50', ''], ['Total', '19.14', '']]]];
  for (const [valor, esperado] of casos) {
    await nav.ponerCesta(tiendas.perl, valor);
    await p.goto(`${tiendas.perl}/estado.htm`);
    assert.deepEqual(await filas(p), esperado, valor);
  }
  // "Quitar" renumbers; removing the last item leaves an empty value.
  await nav.ponerCesta(tiendas.perl, '[A,1#1][B,2#1][C,3#1]');
  await p.goto(`${tiendas.perl}/estado.htm`);
  for (const [n, queda] of [[0, '[B,2#1][C,3#1]'], [1, '[B,2#1]'], [0, '']]) {
    await recargaTras(p, () => p.locator('input[value="Quitar"]').nth(n).click());
    assert.equal(await cesta('perl'), queda);
  }
  // Resetting asks first; declining keeps the basket.
  for (const [respuesta, queda] of [[false, '[A,1#1]'], [true, '.']]) {
    dialogos.respuesta = respuesta;
    await nav.ponerCesta(tiendas.perl, '[A,1#1]');
    await p.goto(`${tiendas.perl}/estado.htm`);
    await recargaTras(p, () => p.click('a[href="javascript:clearBasket()"]'), respuesta ? 'load' : 'dialog');
    assert.deepEqual(dialogos.at(-1), { tipo: 'confirm', texto: '¿Confirma que desea restablecer el carrito?' });
    assert.equal(await cesta('perl'), queda);
  }
});

// ------------------------------------------------------------------ order form
test('pedido: nombres difíciles y 21 % de impuesto, del catálogo al estado, al formulario y al correo Perl',
  async () => {
    const [p, dialogos] = await nav.pagina();
    await comprar(p, `${tiendas.tasa}/carrito.htm`, { 1: '1', 3: '1', 4: '2', 5: '3' }, `${tiendas.tasa}/estado.htm`);
    assert.deepEqual(dialogos.map((d) => d.texto), ['¿Agregar 1 Silla al carrito?',
      `¿Agregar 1 ${RARO1} al carrito?`, `¿Agregar 2 ${RARO2} al carrito?`, `¿Agregar 3 ${RARO3} al carrito?`]);
    // Each item with its tax cut down: 12.70 + 0.60 + (5.998 + 1.25) + 4.17.
    assert.deepEqual(await filas(p), [['Silla', '1', '10.50', '10.50', ''], [RARO1, '1', '0.50', '0.50', ''],
      [RARO2, '2', '2.999', '5.99', ''], [RARO3, '3', '1.15', '3.45', ''], ['Impuestos', '21%', ''],
      ['Total', '24.71', '']]);
    await p.goto(`${tiendas.tasa}/formulario.htm`);
    assert.match(await p.locator('body').innerText(), /\$ 24\.71/);
    // An empty field: the alert, the focus on it, and nothing sent.
    await enviar(p, /formulario\.htm$/, { datos: { ...COMPRADOR, ciudad: '' }, correos: 0 });
    assert.deepEqual(dialogos.at(-1), { tipo: 'alert', texto: 'Por favor complete todos los campos del formulario' });
    assert.equal(await p.evaluate(() => document.activeElement.name), 'ciudad');
    tieneLineas((await enviar(p, `${web.base}/gracias.htm`)).texto, ['Producto1: Silla', 'Cantidad1: 1',
      'ProductoTotal1: 10.50', `Producto2: ${RARO1}`, `Producto3: ${RARO2}`, 'ProductoTotal3: 5.99',
      `Producto4: ${RARO3}`, 'Cantidad4: 3', 'Total: 24.71', 'nombre: José', 'apellido: Peña Núñez',
      'ciudad: Córdoba']);
  });

test('pedido: llega por enviar.php y el comprador va a la página configurada', async () => {
  const [p] = await nav.pagina();
  await comprar(p, `${tiendas.php}/carrito.htm`, { 1: '2', 3: '1' }, `${tiendas.php}/formulario.htm`);
  const correo = await enviar(p, `${web.base}/gracias.htm`);
  tieneLineas(correo.texto, ['Producto1 = Silla', 'Cantidad1 = 2', 'ProductoTotal1 = 21.00',
    `Producto2 = ${RARO1}`, 'Total = 21.50', 'nombre = José', 'telefono = +54 351 555-0100'], '\r\n');
});

test('moneda y envío: importes como los escribe la tienda, envío fijo o gratis desde un importe, y el correo',
  async () => {
    const [p] = await nav.pagina();
    await p.goto(`${tiendas.euro}/carrito.htm`);
    assert.deepEqual(await p.locator('table.td tr td:nth-child(3)').allInnerTexts(),
      ['10,50 €', '1.234,50 €', '89,50 €']);
    await p.goto(`${tiendas.perl}/carrito.htm`);  // the default format: each price as typed
    assert.deepEqual((await p.locator('table.td tr td:nth-child(3)').allInnerTexts()).slice(3, 6),
      ['2.999', '1.15', '3.14159265']);
    await p.goto(`${tiendas.euro}/carrito.htm`);
    // The product data, read back as a search engine reads it.
    const datos = JSON.parse(await p.locator('script[type="application/ld+json"]').textContent());
    const oferta = (price) => ({ '@type': 'Offer', price, priceCurrency: 'EUR', url: 'carrito.htm' });
    assert.deepEqual(datos, { '@context': 'https://schema.org', '@graph': [
      { '@type': 'Product', name: 'Silla', description: 'Silla de pino', image: 'imagenes/silla_pino.jpg',
        offers: oferta('10.50') },
      { '@type': 'Product', name: 'Mesa', description: 'Roble', offers: oferta('1234.50') },
      { '@type': 'Product', name: COJIN, description: '', offers: oferta('89.50') }] });
    const envio = (importe) => ['Gastos de envío', importe, ''];
    const casos = [['', [['Total', '0,00 €', '']]],
      ['[Silla,10.50#1]', [['Silla', '1', '10,50 €', '10,50 €', ''], envio('4,50 €'), ['Total', '15,00 €', '']]],
      ['[Silla,10.50#1][Cojín,89.50#1]', [['Silla', '1', '10,50 €', '10,50 €', ''],
        ['Cojín', '1', '89,50 €', '89,50 €', ''], envio('Envío gratis'), ['Total', '100,00 €', '']]],
      ['[Mesa,1234.5#2]', [['Mesa', '2', '1.234,50 €', '2.469,00 €', ''], envio('Envío gratis'),
        ['Total', '2.469,00 €', '']]]];
    for (const [valor, esperado] of casos) {
      await nav.ponerCesta(tiendas.euro, valor);
      await p.goto(`${tiendas.euro}/estado.htm`);
      assert.deepEqual(await filas(p), esperado, valor);
    }
    assert.deepEqual(await p.evaluate(() => [0, 0.5, 1234.56, 1000000].map((v) => importe(alterError(v), false))),
      ['0,00', '0,50', '1.234,56', '1.000.000,00']);
    await nav.ponerCesta(tiendas.euro, '[Silla,10.50#1]');
    await p.goto(`${tiendas.euro}/formulario.htm`);
    assert.match(await p.locator('body').innerText(), /Gastos de envío:\s+4,50 €\s+Total:\s+15,00 €/);
    tieneLineas((await enviar(p, `${web.base}/gracias.htm`)).texto, ['ProductoTotal1: 10.50', 'Envio: 4.50',
      'Total: 15.00']);
    // The default format: the charge after the tax, and the form's hidden amounts.
    await comprar(p, `${tiendas.envio}/carrito.htm`, { 1: '1' }, `${tiendas.envio}/estado.htm`);
    assert.deepEqual(await filas(p), [['Silla', '1', '10.50', '10.50', ''], ['Impuestos', '21%', ''],
      envio('5.00'), ['Total', '17.70', '']]);
    await p.goto(`${tiendas.envio}/formulario.htm`);
    assert.match(await p.locator('body').innerText(), /Gastos de envío:\s+\$ 5\.00\s+Total:\s+\$ 17\.70/);
    tieneLineas((await enviar(p, `${web.base}/gracias.htm`)).texto, ['Envio = 5.00', 'Total = 17.70'], '\r\n');
  });

// ------------------------------------------------------------------ payment flows
// What the gateway got (the last post it recorded): a form in the pages' code page, as a Map of its fields.
const enviadoA = (datos) => new Map(datos.split('&').reverse().map((par) => par.split('=').map((t) =>
  deCp1252(Buffer.from(t.replace(/\+/g, ' ')
    .replace(/%([0-9A-F]{2})/gi, (_, h) => String.fromCharCode(parseInt(h, 16))), 'latin1')))));
const tieneCampos = (campos, esperados) =>
  assert.deepEqual(Object.fromEntries(Object.keys(esperados).map((k) => [k, campos.get(k)])), esperados);

test('pasarela: logos y envío a la pasarela con la tarjeta y los campos ocultos', async () => {
  const [p] = await nav.pagina();
  await comprar(p, `${tiendas.spg}/carrito.htm`, { 2: '4' }, `${tiendas.spg}/formulario.htm`);
  assert.deepEqual(await p.evaluate(() => Array.from(document.images, (i) => [i.src.split('/').pop(),
    i.naturalWidth > 0])), ['visa', 'master', 'amex', 'diners'].map((l) => [`${l}.gif`, true]));
  await llenar(p, { Titular: 'José Peña', Número: '4111111111111111', Expira: '12/30' });
  await p.selectOption('select[name="Tipo"]', 'Diners Club');
  await enviar(p, `${web.base}/pasarela/cobro`, { correos: 0 });
  // "Número" and "José" travel in the page's code page.
  tieneCampos(enviadoA(web.recibidos.at(-1)), { comercio: '1234', moneda: 'ARS', Tipo: 'Diners Club',
    Titular: 'José Peña', Número: '4111111111111111', Expira: '12/30', Producto1: 'Mesa', Cantidad1: '4',
    ProductoTotal1: '4.40', Total: '4.40', nombre: 'José' });
});

test('ssl: Continuar lleva el pedido a ssl.htm, que lo envía con la tarjeta al servidor seguro', async () => {
  const [p] = await nav.pagina();
  await comprar(p, `${tiendas.ssl}/carrito.htm`, { 1: '1', 4: '2', 5: '1' }, `${tiendas.ssl}/formulario.htm`);
  await enviar(p, /ssl\.htm\?/, { boton: 'Continuar', correos: 0 });
  await llenar(p, { Titular: 'Jose', Numero: '4111111111111111', Expiracion: '12/30' });
  await Promise.all([p.waitForURL(`${web.base}/pasarela/ssl`), p.locator('input[value="Enviar Orden"]').click()]);
  // The order itself travels on with the card: items, total and the buyer's data.
  tieneCampos(enviadoA(web.recibidos.at(-1)), { Titular: 'Jose', Numero: '4111111111111111', Expiracion: '12/30',
    Tipo: 'Visa', comercio: '1234', moneda: 'ARS', Producto1: 'Silla', Producto2: RARO2, Cantidad2: '2',
    Producto3: RARO3, Envio: '3.00', Total: '20.64', email: 'jose@example.net', domicilio: 'Av. de Mayo 1234, 3° B' });
  // From the address only the names the order form sends, each once: never the shop's own
  // hidden fields, a card field or anything else.
  await p.goto(`${tiendas.ssl}/ssl.htm?comercio=9&Total=0.01&Total=5&nombre=Ana&Numero=1&moneda=USD&otro=x&Producto1=S`);
  assert.deepEqual(await p.evaluate(() => Array.from(document.querySelectorAll('form input[type="hidden"]'),
    (e) => `${e.name}=${e.value}`)), ['comercio=1234', 'moneda=ARS', 'Total=0.01', 'nombre=Ana', 'Producto1=S']);
});

// ------------------------------------------------------------------ categories
test('categorías: sus páginas comparten la cesta y llevan al formulario de la tienda', async () => {
  crear('cat');
  crear('cat', { productos: [['Silla plegable', '7.25', 'Oferta', `${EJEMPLO}banco_jardin.jpg`],
    ['Taburete', '4.00', 'Pino']] }, ['--categoria', 'ofertas']);
  const [p] = await nav.pagina();
  await comprar(p, `${tiendas.cat}/carrito.htm`, { 1: '1' });
  await comprar(p, `${tiendas.cat}/ofertas.htm`, { 1: '2' });
  assert.equal(await cesta('cat'), '[Silla,10.50#1][Silla plegable,7.25#2]');
  await Promise.all([p.waitForURL(/formulario\.htm$/), p.click('a[href="formulario.htm"]')]);
  assert.equal(await p.locator('input[name="Total"]').getAttribute('value'), '25.00');
});

// ------------------------------------------------------------------ preview from the command line
// vendaluz-generar --servir with args: the process, its exit (code or signal) and its first line.
function servir(args) {
  const proc = spawn(GENERAR, ['--servir', '--silencioso', ...args]);
  servidos.push(proc);
  const fin = new Promise((r) => proc.on('exit', (codigo, senal) => r(codigo ?? senal)));
  let texto = '';
  const linea = new Promise((r) => {
    proc.stdout.on('data', (d) => (texto += d).includes('\n') && r(texto));
    fin.then(() => r(texto));
  });
  return { proc, fin, linea };
}

test('servir: la tienda con su carrito en Chromium hasta Ctrl+C, y el mismo puerto otra vez para una categoría',
  async () => {
    const carpeta = path.join(dir, 'servida'), ini = new URL('../ejemplo/tienda.ini', import.meta.url).pathname;
    const a = servir(['--salida', carpeta, '--reemplazar', ini]);
    const linea = await a.linea;
    const [, url, puerto] = /^Vista previa en (http:\/\/127\.0\.0\.1:(\d+)\/carrito\.htm); Ctrl\+C para terminar\n$/
      .exec(linea) ?? assert.fail(linea);
    const [p, dialogos] = await nav.pagina();
    await comprar(p, url, { 1: '2' });
    assert.deepEqual(dialogos.at(-1), { tipo: 'confirm', texto: '¿Agregar 2 Silla de pino al carrito?' });
    assert.equal(await nav.cesta(`http://127.0.0.1:${puerto}`), '[Silla de pino,45.00#2]');
    a.proc.kill('SIGINT');
    assert.equal(await a.fin, 0);
    // Right away on the port the browser just used, the store a category was added to; SIGTERM ends it.
    const b = servir(['--puerto', puerto, '--categoria', 'ofertas', '--salida', carpeta, ini]);
    assert.equal(await b.linea, `Vista previa en http://127.0.0.1:${puerto}/ofertas.htm; Ctrl+C para terminar\n`);
    assert.equal((await fetch(url)).status, 200);
    b.proc.kill('SIGTERM');
    assert.equal(await b.fin, 0);
    await assert.rejects(fetch(url));
  });

// ------------------------------------------------------------------ phones, axe and pictures of every page
const PAGINAS = [['ejemplo', 'ejemplo', 'carrito.htm'], ['catalogo', 'perl', 'carrito.htm'],
  ['catalogo3', 'perl', 'carrito3.htm'], ['estado', 'tasa', 'estado.htm'], ['formulario', 'perl', 'formulario.htm'],
  ['formulario-php', 'php', 'formulario.htm'], ['formulario-ssl', 'ssl', 'formulario.htm'],
  ['pasarela', 'spg', 'formulario.htm'], ['pago', 'ssl', 'ssl.htm'], ['categoria', 'cat', 'ofertas.htm'],
  ['estado-envio', 'euro', 'estado.htm']];

// axe-core, put into each page: what it finds of critical or serious impact fails the test.
const AXE = fs.readFileSync(new URL('node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');

test('páginas: a 375 por 667 sin desplazarse de lado, y sin fallas graves de axe a 375 y a 1024', async () => {
  const fallos = [];
  for (const [ancho, alto, sufijo] of [[375, 667, 'telefono'], [1024, 768, 'escritorio']]) {
    const [p] = await nav.pagina();
    await p.setViewportSize({ width: ancho, height: alto });
    for (const [nombre, tienda, archivo] of PAGINAS.filter(([, t]) => tiendas[t])) {
      await nav.ponerCesta(tiendas[tienda], '[Silla,10.50#2][Mesa,1.10#3]');
      await p.goto(`${tiendas[tienda]}/${archivo}`);
      // The page's width, and the text of cells past the right edge of the screen that
      // no scrolling box around their table brings into view.
      const { anchoPagina, cortado } = await p.evaluate(() => ({ anchoPagina: document.documentElement.scrollWidth,
        cortado: Array.from(document.querySelectorAll('td'), (td) => td.innerText.trim()
          && td.getBoundingClientRect().right > innerWidth + 1 && !td.closest('[style*="overflow-x:auto"]')
          && td.innerText).filter(Boolean) }));
      if (CAPTURAS) await p.screenshot({ path: path.join(CAPTURAS, `tienda-${nombre}-${sufijo}.png`), fullPage: true });
      if (sufijo === 'telefono' && (anchoPagina > ancho || cortado.length)) fallos.push({ nombre, anchoPagina, cortado });
      await p.addScriptTag({ content: AXE });
      const axe = await p.evaluate(async () => (await window.axe.run({ resultTypes: ['violations'] })).violations
        .filter((v) => v.impact === 'critical' || v.impact === 'serious').map((v) => `${v.id} (${v.nodes.length})`));
      if (axe.length) fallos.push({ nombre, sufijo, axe });
    }
  }
  assert.deepEqual(fallos, []);
});
