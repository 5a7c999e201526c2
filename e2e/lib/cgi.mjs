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
  // The header lines (name lowercased: value), up to the first empty line; then the body.
  const [, cabeza = salida, resto = ''] = /^([\s\S]*?)\r?\n\r?\n([\s\S]*)$/.exec(salida) ?? [];
  const cabeceras = Object.fromEntries(Array.from(cabeza.matchAll(/^([A-Za-z-]+):\s*(.*?)\r?$/gm),
    ([, k, v]) => [k.toLowerCase(), v]));
  return { codigoSalida: r.status, stderr: r.stderr.toString(), cabeceras, cuerpo: resto,
    estado: cabeceras.status ? parseInt(cabeceras.status, 10) : (cabeceras.location ? 302 : 200) };
}
