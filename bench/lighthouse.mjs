// Lighthouse scores of every kind of store page, at desktop width and on a phone
// (375 by 667), the median of three runs each. A benchmark, never part of the tests.
//
//   (cd bench && npm ci) && node bench/lighthouse.mjs [RUNS]
//
// It generates the sample store (with a category) and four variants of the order
// form's server option with build/bin/vendaluz-generar (VENDALUZ_GENERAR to use
// another), serves them on 127.0.0.1 as the browser tests do, and drives Debian's
// Chromium (VENDALUZ_CHROMIUM to use another). With VENDALUZ_LIGHTHOUSE_DETALLE set
// it also names the audits that lost points in the median run.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import lighthouse from 'lighthouse';
import desktopConfig from 'lighthouse/core/config/desktop-config.js';
import * as chromeLauncher from 'chrome-launcher';
import { proyectoTienda, conProductos, generar } from '../e2e/lib/proyecto.mjs';
import { arrancarServidor } from '../e2e/lib/servidor.mjs';

const RUNS = Number(process.argv[2] || 3);
const DETALLE = Boolean(process.env.VENDALUZ_LIGHTHOUSE_DETALLE);
const EJEMPLO = new URL('../ejemplo/', import.meta.url).pathname;
const FOTOS = ['silla_pino.jpg', 'cesta_mimbre.gif', 'banco_jardin.jpg', 'espejo_redondo.jpg']
  .map((f, i) => [`Artículo ${i + 1}`, `${i + 1}0.50`, `Descripción del artículo ${i + 1}`, `${EJEMPLO}imagenes/${f}`]);

const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vz-lighthouse-'));
const web = await arrancarServidor({ carpeta: dir });
const variante = (nombre, cambios, extra = {}) => {
  const p = proyectoTienda({ nombre, redireccion: `${web.base}/gracias.htm`, ...cambios });
  Object.assign(p.Servidor, extra);
  if (extra.ServidorScript) p.SSL = { Cantidad: ' 1', Campo0: '<input type="hidden" name="comercio" value="1">' };
  p.Inicio.Descripcion = 'Una tienda de prueba de Vendaluz';
  generar(conProductos(p, FOTOS), path.join(dir, nombre));
};
generar(null, path.join(dir, 'ejemplo'), [], `${EJEMPLO}tienda.ini`);
generar(null, path.join(dir, 'ejemplo'), ['--categoria', 'ofertas'], `${EJEMPLO}tienda.ini`);
variante('perl', {});
variante('asp', { soporte: 'ASP' });
variante('spg', { servidor: 'SPG' }, { RutaServidor: `${web.base}/spg/formulario.htm`,
  ServidorScript: `${web.base}/pasarela/cobro` });
variante('ssl', { servidor: 'SSL' }, { ServidorScript: `${web.base}/pasarela/ssl` });

const PAGINAS = [['catálogo, página 1', 'ejemplo/carrito.htm'], ['catálogo, página 3', 'ejemplo/carrito3.htm'],
  ['categoría', 'ejemplo/ofertas.htm'], ['estado', 'ejemplo/estado.htm'], ['formulario PHP', 'ejemplo/formulario.htm'],
  ['formulario Perl', 'perl/formulario.htm'], ['formulario ASP', 'asp/formulario.htm'],
  ['formulario pasarela', 'spg/formulario.htm'], ['formulario SSL', 'ssl/formulario.htm'], ['pago SSL', 'ssl/ssl.htm']];
const TELEFONO = { extends: 'lighthouse:default', settings: { formFactor: 'mobile',
  screenEmulation: { mobile: true, width: 375, height: 667, deviceScaleFactor: 2, disabled: false } } };
const CATEGORIAS = ['performance', 'accessibility', 'best-practices', 'seo'];

const chrome = await chromeLauncher.launch({ chromePath: process.env.VENDALUZ_CHROMIUM || '/usr/bin/chromium',
  chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'] });
const mediana = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
const filas = [];
try {
  for (const [ancho, config] of [['escritorio', desktopConfig], ['teléfono', TELEFONO]]) {
    for (const [nombre, archivo] of PAGINAS) {
      const informes = [];
      for (let i = 0; i < RUNS; i++) {
        const r = await lighthouse(`${web.base}/${archivo}`, { port: chrome.port, logLevel: 'error',
          output: 'json', onlyCategories: CATEGORIAS }, config);
        informes.push(r.lhr);
      }
      const puntos = CATEGORIAS.map((c) => mediana(informes.map((l) => Math.round(l.categories[c].score * 100))));
      filas.push([nombre, ancho, ...puntos]);
      console.log(`| ${[nombre, ancho, ...puntos].join(' | ')} |`);
      if (DETALLE) {
        const l = informes.find((x) => Math.round(x.categories.accessibility.score * 100) === puntos[1]);
        const perdidos = CATEGORIAS.slice(1).flatMap((c) => l.categories[c].auditRefs
          .filter((a) => a.weight > 0 && l.audits[a.id].score !== null && l.audits[a.id].score < 1).map((a) => a.id));
        console.log(`    ${perdidos.join(', ') || 'nada'}`);
      }
    }
  }
} finally {
  await chrome.kill();
  await web.cerrar();
  fs.rmSync(dir, { recursive: true, force: true });
}
console.log(`\nMediana de ${RUNS} pasadas (Lighthouse 12.2.3)\n`);
console.log('| página | ancho | rendimiento | accesibilidad | buenas prácticas | SEO |');
console.log('|---|---|---|---|---|---|');
for (const f of filas) console.log(`| ${f.join(' | ')} |`);
