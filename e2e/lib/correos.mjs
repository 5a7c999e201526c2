// Reads what the stand-in sendmail captured.
import fs from 'node:fs';
import path from 'node:path';
import { deCp1252 } from './pedido.mjs';

export const CAPTURA = new URL('./captura-sendmail', import.meta.url).pathname;

// Each mail: the program's arguments, the whole message, its header lines (a
// continuation line folded into the line above) and its body, as bytes and as text.
export function leerCorreos(carpeta) {
  return fs.readdirSync(carpeta).filter((f) => f.startsWith('correo-')).sort().map((f) => {
    const bytes = fs.readFileSync(path.join(carpeta, f)).toString('latin1');
    const nl = bytes.indexOf('\n');
    const mensaje = bytes.slice(nl + 1);
    const corte = mensaje.search(/\r?\n\r?\n|$/);
    const cuerpo = mensaje.slice(corte).replace(/^\r?\n\r?\n/, '');
    const cabeceras = mensaje.slice(0, corte).replace(/\r?\n(?=[ \t])/g, '').split(/\r?\n/);
    return { args: JSON.parse(bytes.slice(0, nl)), mensaje, cabeceras, cuerpo,
      texto: deCp1252(Buffer.from(cuerpo, 'latin1')) };
  });
}

export function vaciarCorreos(carpeta) {
  for (const f of fs.readdirSync(carpeta)) if (f.startsWith('correo-')) fs.rmSync(path.join(carpeta, f));
}
