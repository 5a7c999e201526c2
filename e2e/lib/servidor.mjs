// A small web server on 127.0.0.1 for the browser tests: the store's files, the
// Perl mail script as a CGI, a stand-in payment gateway that records what it is
// sent, and the page buyers are sent to after ordering.
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import { spawn } from 'node:child_process';

const TIPOS = { '.htm': 'text/html', '.html': 'text/html', '.css': 'text/css', '.gif': 'image/gif',
  '.jpg': 'image/jpeg', '.png': 'image/png', '.js': 'text/javascript' };

export async function arrancarServidor({ carpeta, entornoCgi = {} }) {
  const recibidos = [];  // what the gateway and the secure script were sent
  const servidor = http.createServer((req, res) => {
    const url = new URL(req.url, 'http://127.0.0.1');
    const cuerpo = [];
    req.on('data', (d) => cuerpo.push(d));
    req.on('end', () => {
      const datos = Buffer.concat(cuerpo);
      if (url.pathname.startsWith('/pasarela')) {
        recibidos.push({ ruta: url.pathname, metodo: req.method, datos: datos.toString('latin1'), query: url.search });
        res.writeHead(200, { 'Content-Type': 'text/html' });
        res.end('<html><body><h1 id="pasarela">Pago recibido</h1></body></html>');
        return;
      }
      if (url.pathname === '/gracias.htm') {
        res.writeHead(200, { 'Content-Type': 'text/html' });
        res.end('<html><body><h1 id="gracias">Gracias</h1></body></html>');
        return;
      }
      // Each store lies in a folder of its own; its script answers at <store>/cgi-bin/.
      if (url.pathname.endsWith('/cgi-bin/enviar.pl')) {
        const tienda = url.pathname.slice(0, -'/cgi-bin/enviar.pl'.length);
        ejecutarCgi(req, res, datos, path.join(carpeta, tienda, 'enviar.pl'), entornoCgi);
        return;
      }
      const archivo = path.join(carpeta, decodeURIComponent(url.pathname));
      if (!archivo.startsWith(carpeta) || !fs.existsSync(archivo) || !fs.statSync(archivo).isFile()) {
        res.writeHead(404);
        res.end('no encontrado');
        return;
      }
      res.writeHead(200, { 'Content-Type': TIPOS[path.extname(archivo)] || 'application/octet-stream' });
      res.end(fs.readFileSync(archivo));
    });
  });
  await new Promise((r) => servidor.listen(0, '127.0.0.1', r));
  const { port } = servidor.address();
  return {
    puerto: port,
    base: `http://127.0.0.1:${port}`,
    recibidos,
    cerrar: () => new Promise((r) => servidor.close(r)),
  };
}

function ejecutarCgi(req, res, datos, script, entornoCgi) {
  const env = {
    PATH: process.env.PATH, GATEWAY_INTERFACE: 'CGI/1.1', REQUEST_METHOD: req.method,
    CONTENT_TYPE: req.headers['content-type'] || '', CONTENT_LENGTH: String(datos.length),
    HTTP_REFERER: req.headers.referer || '', HTTP_USER_AGENT: req.headers['user-agent'] || '',
    REMOTE_ADDR: '127.0.0.1', SCRIPT_NAME: '/cgi-bin/enviar.pl', ...entornoCgi,
  };
  const perl = spawn('perl', ['-T', script], { env });
  const salida = [];
  perl.stdout.on('data', (d) => salida.push(d));
  perl.stdin.end(datos);
  perl.on('close', () => {
    const texto = Buffer.concat(salida).toString('latin1');
    const corte = texto.search(/\r?\n\r?\n/);
    const cabeceras = {};
    for (const l of texto.slice(0, corte).split(/\r?\n/)) {
      const m = /^([A-Za-z-]+):\s*(.*)$/.exec(l);
      if (m) cabeceras[m[1].toLowerCase()] = m[2];
    }
    const estado = cabeceras.status ? parseInt(cabeceras.status, 10) : (cabeceras.location ? 302 : 200);
    const salidaCabeceras = {};
    if (cabeceras.location) salidaCabeceras.Location = cabeceras.location;
    if (cabeceras['content-type']) salidaCabeceras['Content-Type'] = cabeceras['content-type'];
    res.writeHead(estado, salidaCabeceras);
    res.end(Buffer.from(texto.slice(corte).replace(/^\r?\n\r?\n/, ''), 'latin1'));
  });
}
