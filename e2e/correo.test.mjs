// The order-mail scripts under real perl and php: a good order reaches the shop
// intact, and hostile posts never relay mail, inject headers, redirect elsewhere,
// leak the environment, echo unescaped markup or crash.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { spawn, spawnSync } from 'node:child_process';
import { ejecutarCgi } from './lib/cgi.mjs';
import { CAPTURA, leerCorreos, vaciarCorreos } from './lib/correos.mjs';
import { TIENDA, COMPRADOR, ARTICULOS, CONFIGURACION_PERL, codificar, aCp1252, deCp1252 } from './lib/pedido.mjs';
import { generarScripts } from './lib/generar.mjs';

const SECRETO = 'secreto-vz-8d41c2';
const ATAQUE = '<vz-ataque onmouseover=alert(1)>';
const CAMPOS_FORM = [['Nombre', 'nombre'], ['Apellido', 'apellido'], ['Domicilio', 'domicilio'], ['Ciudad', 'ciudad'],
  ['Provincia', 'provincia'], ['Código Postal', 'cp'], ['País', 'pais'], ['E-mail', 'email'],
  ['Teléfono', 'telefono'], ['Fax', 'fax']];

let dir, captura, tienda;
before(() => {
  dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vz-correo-'));
  captura = path.join(dir, 'captura');
  fs.mkdirSync(captura);
  tienda = path.join(dir, 'tienda');
  generarScripts(tienda, { email: TIENDA.email, redireccion: TIENDA.redireccion, host: TIENDA.host,
    sendmail: CAPTURA, campos: CAMPOS_FORM });
});
after(() => fs.rmSync(dir, { recursive: true, force: true }));

// ---------------------------------------------------------------- hostile posts
const CRLF = ['\r\n', '\n', '\r'];
const INYECCIONES = CRLF.flatMap((salto) => [`x${salto}Bcc: victima@evil.org`, `x${salto}Content-Type: text/html`]);

function hostiles({ perl }) {
  const base = [...ARTICULOS, ...COMPRADOR, ...(perl ? CONFIGURACION_PERL : [])];
  const con = (k, v) => base.map(([a, b]) => [a, a === k ? v : b]);
  const casos = [];
  const agregar = (nombre, campos, extra = {}) => casos.push({ nombre, campos, ...extra });
  // Relay attempts through every way of naming another recipient.
  for (const r of ['shop@example.com.evil.org', 'victima@evil.org,tienda@example.com', 'tienda@example.com.evil.org',
    'victima@evil.org', `${TIENDA.email}\r\nBcc: victima@evil.org`, `${TIENDA.email}\nCc: victima@evil.org`, '|id',
    `${TIENDA.email} victima@evil.org`, 'x@evil.org<tienda@example.com>', '.*', '^tienda@example.com']) {
    agregar(`recipient ${JSON.stringify(r)}`, con('recipient', r), { perlEstado: 403 });
  }
  // Line breaks with headers in every kind of field, and in a field name.
  for (const inj of INYECCIONES) {
    for (const k of ['subject', 'nombre', 'email', 'Producto1', 'Total', 'redirect']) {
      agregar(`${k} con ${JSON.stringify(inj)}`, con(k, inj));
    }
    agregar(`nombre de campo con ${JSON.stringify(inj)}`, [...base, [inj, 'valor']]);
  }
  // Redirects elsewhere.
  for (const r of ['//evil.org', 'http://shop.example@evil.org/', 'javascript:alert(1)', 'http://evil.org/',
    `${TIENDA.redireccion}\r\nSet-Cookie: x=1`]) {
    agregar(`redirect ${JSON.stringify(r)}`, con('redirect', r));
  }
  // The environment beyond the allowed values.
  agregar('env_report pide el secreto', con('env_report', 'SECRETO_VZ,PATH,REMOTE_ADDR,SERVER_SOFTWARE'));
  // Markup echoed by error pages.
  for (const k of ['recipient', 'nombre', 'Producto1', ATAQUE]) {
    agregar(`marcado en ${k}`, k === ATAQUE ? [...base, [ATAQUE, ATAQUE]] : con(k, ATAQUE),
      { perlEstado: k === 'recipient' ? 403 : undefined });
  }
  // Oversized and malformed posts.
  agregar('valor de 70 KB', con('nombre', 'a'.repeat(70 * 1024)), { estado: 413, sinCorreo: true });
  agregar('2000 campos', [...base, ...Array.from({ length: 2000 }, (_, i) => [`c${i}`, 'x'])],
    { estado: 413, sinCorreo: true });
  agregar('más de 1 MB', [...base, ['relleno', 'x'.repeat(1100 * 1024)]], { estado: 413, sinCorreo: true });
  agregar('arreglos', [...base, ['Producto1[]', 'a'], ['Producto1[x][y]', 'b']]);
  agregar('escapes rotos', null, { crudo: codificar(base) + '&nombre=%ZZ%4&%=%&apellido=%E9%' });
  agregar('largo mayor que el cuerpo', null, { crudo: codificar(base), largo: 999999 });
  agregar('largo no numérico', null, { crudo: codificar(base), largo: 'abc', estado: 411, sinCorreo: true });
  agregar('largo negativo', null, { crudo: codificar(base), largo: '-5', estado: 411, sinCorreo: true });
  agregar('bytes nulos', con('nombre', 'a\u0000b'));
  agregar('punto solo en una línea', con('nombre', 'a\r\n.\r\nQUIT\r\n'));
  agregar('tipo multipart', null, { crudo: codificar(base), tipo: 'multipart/form-data; boundary=x', estado: 415,
    sinCorreo: true });
  return casos;
}

// What every answer to every post must hold.
function comprobarRespuesta(caso, { estado, cuerpo, ubicacion }) {
  assert.ok([200, 303, 400, 403, 405, 411, 413, 415].includes(estado), `estado ${estado}`);
  assert.ok(!cuerpo.includes('<vz-ataque'), 'marcado sin escapar en la respuesta');
  assert.ok(!/ at \S+ line \d+|Fatal error|Warning:|Notice:|Deprecated:|Stack trace/.test(cuerpo), 'detalles internos');
  assert.ok(!cuerpo.includes(SECRETO));
  if (ubicacion !== undefined) assert.equal(ubicacion, TIENDA.redireccion, 'redirección ajena');
  if (caso.estado) assert.equal(estado, caso.estado);
}

function comprobarCorreos(caso, correos, cabecerasBuenas, argsBuenos) {
  if (caso.sinCorreo) assert.equal(correos.length, 0);
  for (const c of correos) {
    assert.deepEqual(c.args, argsBuenos, 'argumentos del programa de correo');
    assert.deepEqual(c.cabeceras, cabecerasBuenas, 'cabeceras distintas de las de un pedido bueno');
    assert.ok(!c.mensaje.includes(SECRETO), 'el secreto del entorno llegó al correo');
  }
}

// ---------------------------------------------------------------- Perl
function pedirPerl(opciones) {
  vaciarCorreos(captura);
  const r = ejecutarCgi(path.join(tienda, 'enviar.pl'), {
    referente: TIENDA.referente,
    ...opciones,
    entorno: { VZ_CAPTURA: captura, SECRETO_VZ: SECRETO, ...(opciones.entorno || {}) },
  });
  return { ...r, correos: leerCorreos(captura) };
}

test('perl: el script compila con -T y su primera línea es la de CGI.Perl', () => {
  const r = spawnSync('perl', ['-c', '-T', path.join(tienda, 'enviar.pl')]);
  assert.equal(r.status, 0, r.stderr.toString());
  const primera = fs.readFileSync(path.join(tienda, 'enviar.pl'), 'latin1').split('\r\n')[0];
  assert.equal(primera, '#!/usr/bin/perl');
});

test('perl: un pedido bueno llega entero a la tienda y redirige', () => {
  const r = pedirPerl({ cuerpo: aCp1252(codificar([...ARTICULOS, ...COMPRADOR, ...CONFIGURACION_PERL])) });
  assert.equal(r.stderr, '');
  assert.equal(r.estado, 303);
  assert.equal(r.cabeceras.location, TIENDA.redireccion);
  assert.equal(r.correos.length, 1);
  const c = r.correos[0];
  assert.deepEqual(c.args, ['-oi', TIENDA.email]);
  assert.deepEqual(c.cabeceras, [`To: ${TIENDA.email}`, `From: ${TIENDA.email}`, 'Subject: Vendaluz - Orden de Compra',
    'MIME-Version: 1.0', 'Content-Type: text/plain; charset=windows-1252', 'Content-Transfer-Encoding: 8bit']);
  const esperado = [...ARTICULOS, ...COMPRADOR].filter(([, v]) => v !== '').map(([k, v]) => `${k}: ${v}`)
    .concat(['REMOTE_HOST: cliente.example.net', 'REMOTE_ADDR: 203.0.113.7', 'HTTP_USER_AGENT: Prueba/1.0']);
  assert.equal(deCp1252(Buffer.from(c.cuerpo, 'latin1')), esperado.join('\n') + '\n');
});

test('perl: otro dominio, otro método o ningún destinatario no envían nada', () => {
  const cuerpo = codificar([...ARTICULOS, ...COMPRADOR, ...CONFIGURACION_PERL]);
  for (const referente of ['http://evil.org/formulario.htm', 'http://tienda.example.com.evil.org/x',
    'http://evil.org/?http://tienda.example.com/', `http://tienda.example.com@evil.org/`]) {
    const r = pedirPerl({ cuerpo, referente });
    assert.equal(r.estado, 403, referente);
    assert.equal(r.correos.length, 0);
  }
  const sub = pedirPerl({ cuerpo, referente: 'https://www.tienda.example.com/formulario.htm' });
  assert.equal(sub.correos.length, 1);
  assert.equal(pedirPerl({ cuerpo, metodo: 'GET' }).estado, 405);
  const sin = pedirPerl({ cuerpo: codificar([...ARTICULOS, ...COMPRADOR]) });
  assert.equal(sin.estado, 400);
  assert.equal(sin.correos.length, 0);
  assert.match(sin.cuerpo, /Falta el destinatario/);
});

test('perl: un programa de correo que falla no se informa como éxito', () => {
  const falla = path.join(dir, 'falla');
  fs.writeFileSync(falla, '#!/bin/sh\ncat >/dev/null\nexit 75\n', { mode: 0o755 });
  const otra = path.join(dir, 'otra');
  generarScripts(otra, { email: TIENDA.email, redireccion: TIENDA.redireccion, host: TIENDA.host, sendmail: falla });
  const r = ejecutarCgi(path.join(otra, 'enviar.pl'), { referente: TIENDA.referente,
    cuerpo: codificar([...ARTICULOS, ...CONFIGURACION_PERL]) });
  assert.equal(r.estado, 500);
  assert.match(r.cuerpo, /No se pudo enviar el pedido por correo/);
});

test('perl: posts hostiles', (t) => {
  const buena = pedirPerl({ cuerpo: codificar([...ARTICULOS, ...COMPRADOR, ...CONFIGURACION_PERL]) });
  const cabeceras = buena.correos[0].cabeceras;
  const casos = hostiles({ perl: true });
  assert.ok(casos.length >= 40, `${casos.length} casos`);
  t.diagnostic(`${casos.length} posts hostiles`);
  let correosAjenos = 0;
  for (const caso of casos) {
    const r = pedirPerl({ cuerpo: caso.crudo ?? codificar(caso.campos), largo: caso.largo, tipo: caso.tipo });
    const ctx = `caso: ${caso.nombre}`;
    assert.equal(r.codigoSalida, 0, ctx);
    assert.equal(r.stderr, '', ctx);
    comprobarRespuesta(caso, { estado: r.estado, cuerpo: r.cuerpo, ubicacion: r.cabeceras.location });
    if (caso.perlEstado) {
      assert.equal(r.estado, caso.perlEstado, ctx);
      assert.equal(r.correos.length, 0, ctx);
    }
    correosAjenos += r.correos.filter((c) => c.args.join() !== ['-oi', TIENDA.email].join()).length;
    comprobarCorreos(caso, r.correos, cabeceras, ['-oi', TIENDA.email]);
  }
  assert.equal(correosAjenos, 0);
});

// ---------------------------------------------------------------- PHP
let php, puerto;
async function arrancarPhp() {
  puerto = 20000 + Math.floor(Math.random() * 20000);
  php = spawn('php', ['-S', `127.0.0.1:${puerto}`, '-t', tienda, '-d', `sendmail_path=${CAPTURA} -t -i`,
    '-d', 'display_errors=1', '-d', 'error_reporting=-1'], { env: { ...process.env, VZ_CAPTURA: captura, SECRETO_VZ: SECRETO } });
  php.stderrTexto = '';
  php.stderr.on('data', (d) => { php.stderrTexto += d; });
  for (let i = 0; i < 100; i++) {
    try { await fetch(`http://127.0.0.1:${puerto}/`); return; } catch { await new Promise((r) => setTimeout(r, 50)); }
  }
  throw new Error('php -S no arrancó');
}

async function pedirPhp({ cuerpo, tipo = 'application/x-www-form-urlencoded', metodo = 'POST' }) {
  vaciarCorreos(captura);
  const r = await fetch(`http://127.0.0.1:${puerto}/enviar.php`, {
    method: metodo, redirect: 'manual', headers: { 'Content-Type': tipo },
    body: metodo === 'POST' ? (typeof cuerpo === 'string' ? Buffer.from(cuerpo, 'latin1') : cuerpo) : undefined,
  });
  const texto = Buffer.from(await r.arrayBuffer()).toString('latin1');
  return { estado: r.status, cuerpo: texto, ubicacion: r.headers.get('location') ?? undefined,
    correos: leerCorreos(captura) };
}

test('php: el script pasa php -l', () => {
  const r = spawnSync('php', ['-l', path.join(tienda, 'enviar.php')]);
  assert.equal(r.status, 0, r.stdout.toString() + r.stderr.toString());
});

test('php: pedidos buenos y hostiles', async (t) => {
  await arrancarPhp();
  t.after(() => php.kill());
  const buena = await pedirPhp({ cuerpo: aCp1252(codificar([...ARTICULOS, ...COMPRADOR])) });
  assert.equal(buena.estado, 303);
  assert.equal(buena.ubicacion, TIENDA.redireccion);
  assert.equal(buena.correos.length, 1);
  const c = buena.correos[0];
  assert.ok(c.cabeceras.includes(`To: ${TIENDA.email}`), c.cabeceras.join('|'));
  assert.ok(c.cabeceras.includes('Subject: Vendaluz'));
  assert.ok(c.cabeceras.includes(`From: ${TIENDA.email}`));
  const lineas = [...ARTICULOS, ...COMPRADOR].map(([k, v]) => `${k} = ${v}`);
  const cuerpo = deCp1252(Buffer.from(c.cuerpo, 'latin1'));
  assert.ok(cuerpo.startsWith('Vendaluz v1.0 - Orden de Compra\r\n\r\n' + lineas.join('\r\n') + '\r\n'), cuerpo);
  assert.match(cuerpo, /REMOTE ADDR: 127\.0\.0\.1/);

  // Backslashes and quotes arrive as typed.
  const barras = await pedirPhp({ cuerpo: codificar([['nombre', 'O\'Brien \\ "x"']]) });
  assert.ok(barras.correos[0].cuerpo.includes('nombre = O\'Brien \\ "x"'));

  assert.equal((await pedirPhp({ metodo: 'GET' })).estado, 405);
  const vacio = await pedirPhp({ cuerpo: '' });
  assert.equal(vacio.estado, 400);
  assert.equal(vacio.correos.length, 0);

  const casos = hostiles({ perl: false }).filter((caso) => caso.largo === undefined);
  assert.ok(casos.length >= 40, `${casos.length} casos`);
  t.diagnostic(`${casos.length} posts hostiles`);
  let correosAjenos = 0;
  for (const caso of casos) {
    const r = await pedirPhp({ cuerpo: caso.crudo ?? codificar(caso.campos), tipo: caso.tipo });
    comprobarRespuesta(caso, r);
    correosAjenos += r.correos.filter((m) => !m.cabeceras.includes(`To: ${TIENDA.email}`)).length;
    comprobarCorreos(caso, r.correos, c.cabeceras, c.args);
  }
  assert.equal(correosAjenos, 0);
  // PHP itself warns in its log when a post passes max_input_vars, before the script
  // runs; the script must add nothing of its own.
  const propios = php.stderrTexto.split('\n').filter((l) => !l.includes('Input variables exceeded'));
  assert.doesNotMatch(propios.join('\n'), /Warning|Notice|Deprecated|Fatal/);
});

// ---------------------------------------------------------------- ASP
test('asp: una línea por campo en orden, componentes y nada del pedido en las cabeceras', () => {
  for (const [archivo, objeto, prefijo] of [['cdonts.asp', 'CDONTS.NewMail', 'email.Body = email.Body'],
    ['aspemail.asp', 'Persits.MailSender', 'Mail.Body = Mail.Body']]) {
    const texto = fs.readFileSync(path.join(tienda, archivo), 'latin1');
    assert.ok(texto.includes(`Server.CreateObject("${objeto}")`), archivo);
    const lineas = CAMPOS_FORM.map(([etiqueta, nombre]) =>
      `${prefijo} & "${deCp1252(aCp1252(etiqueta))} " & Request.Form("${nombre}") & VbCrLf`);
    let desde = 0;
    for (const l of lineas) {
      const i = deCp1252(Buffer.from(texto, 'latin1')).indexOf(l, desde);
      assert.ok(i > desde, `${archivo}: falta o fuera de orden: ${l}`);
      desde = i;
    }
    // Only the body takes what was posted.
    for (const linea of texto.split('\r\n')) {
      if (linea.includes('Request.')) {
        assert.match(linea, /^\s*(If Request\.TotalBytes|For i = 1 To Request\.Form\.Count|If Request\.Form\("Producto" & i\)\.Count|(email|Mail)\.Body = (email|Mail)\.Body & )/, linea);
      }
    }
    if (archivo === 'aspemail.asp') assert.ok(texto.includes('Mail.Host = "smtp.example.com"'));
    assert.ok(/Server\.HTMLEncode\(Err\.Description\)/.test(texto));
  }
});
