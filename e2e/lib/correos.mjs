// Reads what the stand-in sendmail captured.
import fs from 'node:fs';
import path from 'node:path';

export const CAPTURA = new URL('./captura-sendmail', import.meta.url).pathname;

export function leerCorreos(carpeta) {
  return fs.readdirSync(carpeta).filter((f) => f.startsWith('correo-')).sort().map((f) => {
    const bytes = fs.readFileSync(path.join(carpeta, f)).toString('latin1');
    const nl = bytes.indexOf('\n');
    const args = JSON.parse(bytes.slice(0, nl));
    const mensaje = bytes.slice(nl + 1);
    const corte = mensaje.search(/\r?\n\r?\n/);
    const cabecera = corte >= 0 ? mensaje.slice(0, corte) : mensaje;
    const cuerpo = corte >= 0 ? mensaje.slice(corte).replace(/^\r?\n\r?\n/, '') : '';
    // Header lines, continuation lines folded into the line above.
    const lineas = cabecera.split(/\r?\n/).reduce((acc, l) => {
      if (/^[ \t]/.test(l) && acc.length) acc[acc.length - 1] += l;
      else acc.push(l);
      return acc;
    }, []);
    return { args, mensaje, cabeceras: lineas, cuerpo };
  });
}

export function vaciarCorreos(carpeta) {
  for (const f of fs.readdirSync(carpeta)) if (f.startsWith('correo-')) fs.rmSync(path.join(carpeta, f));
}
