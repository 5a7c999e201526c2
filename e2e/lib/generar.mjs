// Generates the order-mail scripts of a store for the tests.
// PROVISIONAL: fills the templates here until the command-line generator exists.
import fs from 'node:fs';
import path from 'node:path';
import { aCp1252 } from './pedido.mjs';

const PLANTILLAS = new URL('../../templates/', import.meta.url).pathname;

function cargar(nombre) {
  return fs.readFileSync(path.join(PLANTILLAS, nombre), 'utf8').replace(/\r?\n/g, '\r\n');
}
const perl = (t) => t.replace(/[\r\n]/g, '').replace(/[\\']/g, '\\$&');
const vb = (t) => t.replace(/[\r\n]/g, '').replace(/"/g, '""');

export function generarScripts(carpeta, { email, redireccion, host, sendmail, perlLinea = '#!/usr/bin/perl',
                                            smtp = 'smtp.example.com', campos = [] }) {
  fs.mkdirSync(carpeta, { recursive: true });
  const escribir = (archivo, texto) => fs.writeFileSync(path.join(carpeta, archivo), aCp1252(texto + '\r\n'));
  escribir('enviar.pl', cargar('PERL').replaceAll('*Email*', perl(email)).replaceAll('*Host*', perl(host))
    .replaceAll('*SendMail*', perl(sendmail)).replaceAll('*Redireccionar*', perl(redireccion))
    .replaceAll('*RutaCGI*', perlLinea));
  escribir('enviar.php', cargar('PHP').replaceAll('*Email*', perl(email)).replaceAll('*Redireccionar*', perl(redireccion)));
  const filas = (inicio) => campos.map(([etiqueta, nombre]) =>
    `${inicio} & "${vb(etiqueta)} " & Request.Form("${vb(nombre)}") & VbCrLf\r\n`).join('');
  escribir('cdonts.asp', cargar('ASPCDONTS').replaceAll('*Email*', vb(email))
    .replaceAll('*CodigoASP*', filas('email.Body = email.Body')));
  escribir('aspemail.asp', cargar('ASPEMAIL').replaceAll('*Email*', vb(email)).replaceAll('*Smtp*', vb(smtp))
    .replaceAll('*CodigoASP*', filas('Mail.Body = Mail.Body')));
}
