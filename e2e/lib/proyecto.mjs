// Writes project files for the tests and generates their stores with the
// command-line generator, as a shop owner's scripted build would.
import fs from 'node:fs';
import { spawnSync } from 'node:child_process';
import { aCp1252, CAMPOS, CAPTURA, TIENDA } from './pedido.mjs';

export const GENERAR = process.env.VENDALUZ_GENERAR
  || new URL('../../build/bin/vendaluz-generar', import.meta.url).pathname;

// A value as the project file holds it; line breaks take the file's escaped form.
const valorIni = (v) => (/[\r\n]/.test(v)
  ? `\\"${v.replace(/\\/g, '\\\\').replace(/\r/g, '\\r').replace(/\n/g, '\\n')}"` : v);

// The settings of a small store with the given order-form fields and options.
export function proyectoTienda({ nombre = 'Tienda', email = TIENDA.email, redireccion = TIENDA.redireccion,
  host = TIENDA.host, sendmail = CAPTURA, perl = '#!/usr/bin/perl', soporte = 'CGI', componente = 'CDONTS', smtp = '',
  servidor = 'NoSS', campos = CAMPOS }) {
  const lista = (k) => Object.fromEntries(campos.map((c, i) => [` ${i + 1}`, c[k]]));
  const es = (valor, ...opciones) => Object.fromEntries(opciones.map((o) => [o, String(valor === o)]));
  return {
    Inicio: { Nombre: nombre }, Productos: { Cantidad: ' 1' }, Nombre: { ' 1': 'Silla' }, Precio: { ' 1': '10.50' },
    Formulario: { Cantidad: ` ${campos.length}` }, FCampo: lista(0), FNombre: lista(1), FTamano: lista(2),
    Servidor: { ...es(servidor, 'NoSS', 'SPG', 'SSL'), Redireccionar: redireccion },
    Soporte: es(soporte, 'CGI', 'ASP', 'PHP'),
    Correo: { Email: email },
    CGI: { Perl: perl, SendMail: sendmail, Host: host },
    ASP: { ...es(componente, 'CDONTS', 'ASPEmail'), SMTP: smtp },
  };
}

// Adds a product list to a project: [nombre, precio, descripcion, imagen] each.
export function conProductos(proyecto, productos) {
  const columna = (k) => Object.fromEntries(productos.map((pr, i) => [` ${i + 1}`, pr[k] ?? '']));
  return { ...proyecto, Productos: { Cantidad: ` ${productos.length}`, Imagen: '1' }, Nombre: columna(0),
    Precio: columna(1), Descripcion: columna(2), Imagen: columna(3) };
}

// Generates the store of the project ({ Seccion: { Clave: valor } }, written to the
// project file in Windows-1252 with CR LF), or of the project file ini, into carpeta.
export function generar(proyecto, carpeta, opciones = [], ini = `${carpeta}.ini`) {
  if (proyecto) {
    fs.writeFileSync(ini, aCp1252(Object.entries(proyecto).map(([seccion, claves]) => `[${seccion}]\r\n`
      + Object.entries(claves).map(([clave, valor]) => `${clave}=${valorIni(valor)}\r\n`).join('')).join('')));
  }
  const r = spawnSync(GENERAR, ['--salida', carpeta, '--reemplazar', '--silencioso', ...opciones, ini],
    { encoding: 'latin1' });
  if (r.status !== 0) throw new Error(`vendaluz-generar falló (${r.status}): ${r.stderr}`);
  return carpeta;
}
