// A good order as the store's order form posts it, the shop's settings the tests
// generate their scripts with, and the mails the stand-in sendmail captured.
import fs from 'node:fs';
import path from 'node:path';

export const TIENDA = { email: 'tienda@example.com', redireccion: 'http://www.example.com/gracias.htm',
  host: 'tienda.example.com', referente: 'http://tienda.example.com/formulario.htm' };

// The order form's fields of a new project: label, name, size.
export const CAMPOS = [['Nombre', 'nombre'], ['Apellido', 'apellido'], ['Domicilio', 'domicilio'], ['Ciudad', 'ciudad'],
  ['Provincia', 'provincia'], ['Código Postal', 'cp'], ['País', 'pais'], ['E-mail', 'email'], ['Teléfono', 'telefono'],
  ['Fax', 'fax']].map((c) => [...c, '34']);

// The ten fields of a new project, with what a buyer types (Windows-1252 text).
export const COMPRADOR = [['nombre', 'José'], ['apellido', 'Peña Núñez'], ['domicilio', 'Av. de Mayo 1234, 3° B'],
  ['ciudad', 'Córdoba'], ['provincia', 'Córdoba'], ['cp', 'X5000'], ['pais', 'Argentina'],
  ['email', 'jose@example.net'], ['telefono', '+54 351 555-0100'], ['fax', '']];
export const ARTICULOS = [['Producto1', 'Silla "Roma"'], ['Cantidad1', '2'], ['ProductoTotal1', '21.00'],
  ['Producto2', 'Mesa de pino'], ['Cantidad2', '1'], ['ProductoTotal2', '120.00'],
  ['Producto3', 'Lámpara €'], ['Cantidad3', '3'], ['ProductoTotal3', '4.50'], ['Total', '176.06']];
export const CONFIGURACION_PERL = [['recipient', TIENDA.email], ['subject', 'Vendaluz - Orden de Compra'],
  ['redirect', TIENDA.redireccion], ['env_report', 'REMOTE_HOST,REMOTE_ADDR,HTTP_USER_AGENT']];

const ESPECIALES = '€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ';

// Windows-1252 bytes of a text; characters the code page lacks are an error.
export function aCp1252(texto) {
  return Buffer.from(Array.from(texto, (c) => {
    const cp = c.codePointAt(0), i = ESPECIALES.indexOf(c);
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return cp;
    if (i < 0) throw new Error(`sin byte en Windows-1252: ${c}`);
    return 0x80 + i;
  }));
}

export const deCp1252 = (bytes) => Array.from(bytes, (b) =>
  (b >= 0x80 && b <= 0x9F ? ESPECIALES[b - 0x80] : String.fromCharCode(b))).join('');

// application/x-www-form-urlencoded in Windows-1252, as the store's pages send it.
export const codificar = (campos) => campos.map((par) => par.map((t) => Array.from(aCp1252(t), (b) =>
  (/[A-Za-z0-9*\-._]/.test(String.fromCharCode(b)) ? String.fromCharCode(b)
    : b === 0x20 ? '+' : `%${b.toString(16).toUpperCase().padStart(2, '0')}`)).join('')).join('=')).join('&');

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
