// Runs a Perl CGI script the way a web server does: the request in the
// environment, the body on standard input; returns the parsed answer.
import { spawnSync } from 'node:child_process';

export function ejecutarCgi(script, { metodo = 'POST', cuerpo = '', tipo = 'application/x-www-form-urlencoded',
                                       largo, referente, entorno = {} } = {}) {
  const datos = Buffer.isBuffer(cuerpo) ? cuerpo : Buffer.from(cuerpo, 'latin1');
  const env = { PATH: process.env.PATH, GATEWAY_INTERFACE: 'CGI/1.1', SERVER_PROTOCOL: 'HTTP/1.1',
    REQUEST_METHOD: metodo, CONTENT_TYPE: tipo, CONTENT_LENGTH: String(largo ?? datos.length),
    REMOTE_ADDR: '203.0.113.7', REMOTE_HOST: 'cliente.example.net', HTTP_USER_AGENT: 'Prueba/1.0',
    SCRIPT_NAME: '/cgi-bin/enviar.pl', ...entorno };
  if (referente !== undefined) env.HTTP_REFERER = referente;
  const r = spawnSync('perl', ['-T', script], { input: datos, env, timeout: 20000 });
  const salida = r.stdout.toString('latin1');
  const corte = salida.search(/\r?\n\r?\n/);
  const cabeceras = {};
  for (const linea of (corte >= 0 ? salida.slice(0, corte) : salida).split(/\r?\n/)) {
    const m = /^([A-Za-z-]+):\s*(.*)$/.exec(linea);
    if (m) cabeceras[m[1].toLowerCase()] = m[2];
  }
  return { codigoSalida: r.status, stderr: r.stderr.toString(), cabeceras,
    estado: cabeceras.status ? parseInt(cabeceras.status, 10) : (cabeceras.location ? 302 : 200),
    cuerpo: corte >= 0 ? salida.slice(corte).replace(/^\r?\n\r?\n/, '') : '' };
}
