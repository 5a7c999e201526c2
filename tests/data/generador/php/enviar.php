<?php
// enviar.php: recibe el formulario de pedido de la tienda y lo envía por correo
// al comercio. Creado por Vendaluz; funciona con PHP 7.4 y 8.

// --- Configuración -------------------------------------------------------
$destinatario = 'pedidos@muebles-nandu.example';
// Remitente de los correos, salvo que el servidor ya tenga uno configurado.
$remitente = 'pedidos@muebles-nandu.example';
$redireccion = 'http://www.muebles-nandu.example/gracias.htm';
$asunto = 'Vendaluz';
$encabezado = 'Vendaluz v1.0 - Orden de Compra';
$pie = '';
// Lo más grande que se acepta: bytes del pedido, campos y bytes de un valor.
$max_bytes = 1048576;
$max_campos = 1000;
$max_valor = 65536;
// -------------------------------------------------------------------------

function vz_html($texto)
{
    return htmlspecialchars((string) $texto, ENT_QUOTES | ENT_SUBSTITUTE, 'Windows-1252');
}

// Sin saltos de línea: lo que va en una cabecera ocupa una sola línea.
function vz_linea($texto)
{
    return trim(str_replace(array("\r", "\n", "\0"), '', (string) $texto));
}

function vz_pagina($codigo, $titulo, $contenido)
{
    http_response_code($codigo);
    header('Content-Type: text/html; charset=windows-1252');
    echo "<!DOCTYPE html>\n<html lang=\"es\">\n<head>\n",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\n",
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n",
        '<title>', $titulo, "</title>\n</head>\n<body>\n", $contenido, "\n</body>\n</html>\n";
    exit;
}

function vz_error($codigo, $mensaje)
{
    vz_pagina($codigo, 'Pedido no enviado', '<h1>No se pudo enviar el pedido</h1><p>' . vz_html($mensaje)
        . '</p><p><a href="javascript:history.back()">Volver al formulario</a></p>');
}

if ((isset($_SERVER['REQUEST_METHOD']) ? $_SERVER['REQUEST_METHOD'] : '') !== 'POST') {
    vz_error(405, 'Este script sólo recibe pedidos enviados desde el formulario de la tienda.');
}
$largo = isset($_SERVER['CONTENT_LENGTH']) ? trim((string) $_SERVER['CONTENT_LENGTH']) : '';
if (!preg_match('/^\d{1,12}$/', $largo)) {
    vz_error(411, 'El pedido no indica su tamaño.');
}
if ((float) $largo > $max_bytes) {
    vz_error(413, 'El pedido es demasiado grande.');
}
$tipo = isset($_SERVER['CONTENT_TYPE']) ? (string) $_SERVER['CONTENT_TYPE'] : '';
if (!preg_match('~^\s*application/x-www-form-urlencoded\s*(;|$)~i', $tipo)) {
    vz_error(415, 'El pedido no llegó con el formato de un formulario.');
}

// Los campos se leen del pedido tal como llegó: en su orden, sin tocar barras
// ni comillas, y sin que un nombre como "a[]" cambie su forma.
$crudo = (string) file_get_contents('php://input', false, null, 0, $max_bytes + 1);
if (strlen($crudo) > $max_bytes) {
    vz_error(413, 'El pedido es demasiado grande.');
}
$campos = array();
foreach (explode('&', $crudo) as $par) {
    if ($par === '') {
        continue;
    }
    if (count($campos) >= $max_campos) {
        vz_error(413, 'El pedido tiene demasiados campos.');
    }
    $partes = explode('=', $par, 2);
    $nombre = urldecode($partes[0]);
    $valor = urldecode(isset($partes[1]) ? $partes[1] : '');
    if (strlen($valor) > $max_valor) {
        vz_error(413, 'Un campo del pedido es demasiado largo.');
    }
    $campos[] = array($nombre, $valor);
}
if (count($campos) === 0) {
    vz_error(400, 'No se recibió ningún pedido.');
}

$texto = '';
foreach ($campos as $campo) {
    $nombre = str_replace(array("\r", "\n", "\0"), ' ', $campo[0]);
    $valor = str_replace("\0", '', $campo[1]);
    $valor = str_replace(array("\r\n", "\r"), "\n", $valor);
    $texto .= $nombre . ' = ' . str_replace("\n", "\r\n", $valor) . "\r\n";
}
$servidor = array('REMOTE_HOST', 'REMOTE_USER', 'REMOTE_ADDR');
$entorno = '';
foreach ($servidor as $variable) {
    $valor = isset($_SERVER[$variable]) ? vz_linea($_SERVER[$variable]) : '';
    $entorno .= str_replace('_', ' ', $variable) . ': ' . $valor . "\r\n";
}
$mensaje = $encabezado . "\r\n\r\n" . $texto . "\r\n\r\n" . $pie . $entorno;

// Las cabeceras sólo llevan datos de la configuración, nunca del pedido.
$para = vz_linea($destinatario);
$del_servidor = vz_linea(ini_get('sendmail_from'));
$remitente = $del_servidor !== '' ? $del_servidor : vz_linea($remitente);
if ($para === '' || !@mail($para, vz_linea($asunto), $mensaje, 'From: ' . $remitente)) {
    vz_error(500, 'No se pudo enviar el pedido por correo.');
}

$destino = vz_linea($redireccion);
if (preg_match('~^https?://[^/\s?#]~i', $destino)) {
    header('Location: ' . $destino, true, 303);
    exit;
}
vz_pagina(200, 'Pedido enviado', '<h1>¡Gracias por su compra!</h1><p>Recibimos su pedido.</p>');
