// Writes project files for the tests and generates their stores with the
// command-line generator, as a shop owner's scripted build would.
import fs from 'node:fs';
import path from 'node:path';
import { spawnSync } from 'node:child_process';
import { aCp1252 } from './pedido.mjs';

export const GENERAR = process.env.VENDALUZ_GENERAR
  || new URL('../../build/bin/vendaluz-generar', import.meta.url).pathname;

// A value as the project file holds it; line breaks take the file's escaped form.
function valorIni(valor) {
  if (!/[\r\n]/.test(valor)) return valor;
  return '\\"' + valor.replace(/\\/g, '\\\\').replace(/\r/g, '\\r').replace(/\n/g, '\\n') + '"';
}

// secciones: { Seccion: { Clave: valor } }, written in Windows-1252 with CR LF.
export function escribirProyecto(ruta, secciones) {
  let texto = '';
  for (const [seccion, claves] of Object.entries(secciones)) {
    texto += `[${seccion}]\r\n`;
    for (const [clave, valor] of Object.entries(claves)) texto += `${clave}=${valorIni(valor)}\r\n`;
  }
  fs.writeFileSync(ruta, aCp1252(texto));
}

// The settings of a small store with the given order-form fields and options.
export function proyectoTienda({ nombre = 'Tienda', email, redireccion, host, sendmail, perl = '#!/usr/bin/perl',
                                 soporte = 'CGI', componente = 'CDONTS', smtp = '', servidor = 'NoSS', campos = [] }) {
  const lista = (k) => Object.fromEntries(campos.map((c, i) => [` ${i + 1}`, c[k]]));
  return {
    Inicio: { Nombre: nombre },
    Productos: { Cantidad: ' 1' },
    Nombre: { ' 1': 'Silla' },
    Precio: { ' 1': '10.50' },
    Formulario: { Cantidad: ` ${campos.length}` },
    FCampo: lista(0),
    FNombre: lista(1),
    FTamano: lista(2),
    Servidor: { NoSS: String(servidor === 'NoSS'), SPG: String(servidor === 'SPG'), SSL: String(servidor === 'SSL'),
      Redireccionar: redireccion },
    Soporte: { CGI: String(soporte === 'CGI'), ASP: String(soporte === 'ASP'), PHP: String(soporte === 'PHP') },
    Correo: { Email: email },
    CGI: { Perl: perl, SendMail: sendmail, Host: host },
    ASP: { CDONTS: String(componente === 'CDONTS'), ASPEmail: String(componente === 'ASPEmail'), SMTP: smtp },
  };
}

// Generates the store of the project into carpeta; returns the generator's answer.
export function generar(proyecto, carpeta) {
  const ini = `${carpeta}.ini`;
  escribirProyecto(ini, proyecto);
  const r = spawnSync(GENERAR, ['--salida', carpeta, '--reemplazar', '--silencioso', ini], { encoding: 'latin1' });
  if (r.status !== 0) throw new Error(`vendaluz-generar falló (${r.status}): ${r.stderr}`);
  return r;
}

export function archivos(carpeta) {
  return fs.readdirSync(carpeta).filter((f) => fs.statSync(path.join(carpeta, f)).isFile()).sort();
}
