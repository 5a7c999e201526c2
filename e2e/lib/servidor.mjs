// A small web server on 127.0.0.1 for the browser tests: the store's files as a plain
// web host serves them (declaring no character set), the Perl mail script as a CGI,
// PHP scripts passed on to the php -S at `php`, a stand-in payment gateway that
// records what it is sent, and the page buyers are sent to after ordering.
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import { spawn, spawnSync } from 'node:child_process';
import { CAPTURA } from './pedido.mjs';

const TIPOS = { '.htm': 'text/html', '.css': 'text/css', '.gif': 'image/gif', '.jpg': 'image/jpeg' };
const CGI = '/cgi-bin/enviar.pl';

export async function arrancarServidor({ carpeta, entornoCgi = {}, php }) {
  const recibidos = [];  // the bodies the gateway and the secure script were sent
  const servidor = http.createServer((req, res) => {
    const url = new URL(req.url, 'http://127.0.0.1');
    const partes = [];
    req.on('data', (d) => partes.push(d));
    req.on('end', async () => {
      const datos = Buffer.concat(partes);
      const responder = (estado, cabeceras, cuerpo) => { res.writeHead(estado, cabeceras); res.end(cuerpo); };
      const titulo = (t) => responder(200, { 'Content-Type': 'text/html' }, `<html><body><h1>${t}</h1></body></html>`);
      if (url.pathname.startsWith('/pasarela')) {
        recibidos.push(datos.toString('latin1'));
        return titulo('Pago recibido');
      }
      if (url.pathname === '/gracias.htm') return titulo('Gracias');
      // Each store lies in a folder of its own; its Perl script answers at <store>/cgi-bin/,
      // its PHP script is passed on to the php -S at `php`.
      let r;
      if (url.pathname.endsWith(CGI)) {
        const c = ejecutarCgi(path.join(carpeta, url.pathname.slice(0, -CGI.length), 'enviar.pl'), {
          metodo: req.method, cuerpo: datos, tipo: req.headers['content-type'] || '',
          referente: req.headers.referer || '', entorno: entornoCgi });
        r = { status: c.estado, donde: c.cabeceras.location, cuerpo: Buffer.from(c.cuerpo, 'latin1') };
      } else if (url.pathname.endsWith('.php')) {
        const f = await fetch(php + url.pathname, { method: req.method, redirect: 'manual', body: datos,
          headers: { 'Content-Type': req.headers['content-type'] ?? '' } });
        r = { status: f.status, donde: f.headers.get('location'), cuerpo: Buffer.from(await f.arrayBuffer()) };
      }
      if (r) return responder(r.status, r.donde ? { Location: r.donde } : {}, r.cuerpo);
      const archivo = path.join(carpeta, decodeURIComponent(url.pathname));
      if (!archivo.startsWith(carpeta) || !fs.statSync(archivo, { throwIfNoEntry: false })?.isFile()) {
        return responder(404, {}, 'no encontrado');
      }
      responder(200, { 'Content-Type': TIPOS[path.extname(archivo)] || 'application/octet-stream' },
        fs.readFileSync(archivo));
    });
  });
  await new Promise((r) => servidor.listen(0, '127.0.0.1', r));
  const base = `http://127.0.0.1:${servidor.address().port}`;
  return { base, recibidos, cerrar: () => new Promise((r) => servidor.close(r)) };
}

// php -S serving carpeta on a free port of 127.0.0.1, its mail going to the stand-in
// sendmail; resolves once it answers.
export async function arrancarPhp({ carpeta, entorno, opciones = [] }) {
  const libre = http.createServer();
  await new Promise((r) => libre.listen(0, '127.0.0.1', r));
  const { port } = libre.address();
  await new Promise((r) => libre.close(r));
  const php = spawn('php', ['-S', `127.0.0.1:${port}`, '-t', carpeta, '-d', `sendmail_path=${CAPTURA} -t -i`,
    ...opciones.flatMap((o) => ['-d', o])], { env: { ...process.env, ...entorno } });
  Object.assign(php, { errores: '', base: `http://127.0.0.1:${port}` });
  php.stderr.on('data', (d) => { php.errores += d; });
  php.stdout.resume();
  for (let i = 0; i < 100; i++) {
    try { await fetch(`${php.base}/`); return php; } catch { await new Promise((r) => setTimeout(r, 50)); }
  }
  php.kill();
  throw new Error('php -S no arrancó');
}

// Runs a Perl CGI script the way a web server does: made executable, as the shop
// owner does on the host, and started by its first line, with the request in the
// environment and the body on standard input; returns the parsed answer.
export function ejecutarCgi(script, { metodo = 'POST', cuerpo = '', tipo = 'application/x-www-form-urlencoded',
                                       largo, referente, entorno = {} } = {}) {
  const datos = Buffer.isBuffer(cuerpo) ? cuerpo : Buffer.from(cuerpo, 'latin1');
  const env = { PATH: process.env.PATH, GATEWAY_INTERFACE: 'CGI/1.1', SERVER_PROTOCOL: 'HTTP/1.1',
    REQUEST_METHOD: metodo, CONTENT_TYPE: tipo, CONTENT_LENGTH: String(largo ?? datos.length),
    REMOTE_ADDR: '203.0.113.7', REMOTE_HOST: 'cliente.example.net', HTTP_USER_AGENT: 'Prueba/1.0',
    SCRIPT_NAME: '/cgi-bin/enviar.pl', ...entorno };
  if (referente !== undefined) env.HTTP_REFERER = referente;
  fs.chmodSync(script, 0o755);
  const r = spawnSync(script, [], { input: datos, env, timeout: 20000 });
  const salida = r.stdout.toString('latin1');
  // The header lines (name lowercased: value), up to the first empty line; then the body.
  const [, cabeza = salida, resto = ''] = /^([\s\S]*?)\r?\n\r?\n([\s\S]*)$/.exec(salida) ?? [];
  const cabeceras = Object.fromEntries(Array.from(cabeza.matchAll(/^([A-Za-z-]+):\s*(.*?)\r?$/gm),
    ([, k, v]) => [k.toLowerCase(), v]));
  return { codigoSalida: r.status, stderr: r.stderr.toString(), cabeceras, cuerpo: resto,
    estado: cabeceras.status ? parseInt(cabeceras.status, 10) : (cabeceras.location ? 302 : 200) };
}
