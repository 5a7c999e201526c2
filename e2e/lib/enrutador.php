<?php
// Router of php -S for the browser tests: the store's files are served as a plain
// web host serves them, declaring no character set (the built-in server would
// declare UTF-8 for every page); PHP scripts run as usual.
$ruta = parse_url($_SERVER['REQUEST_URI'], PHP_URL_PATH);
if (substr($ruta, -4) === '.php') return false;
$raiz = realpath($_SERVER['DOCUMENT_ROOT']);
$archivo = realpath($raiz . $ruta);
if ($archivo === false || !is_file($archivo) || strpos($archivo, $raiz) !== 0) {
    http_response_code(404);
    exit;
}
$tipos = array('htm' => 'text/html', 'css' => 'text/css', 'gif' => 'image/gif', 'jpg' => 'image/jpeg');
$tipo = isset($tipos[pathinfo($archivo, PATHINFO_EXTENSION)]) ? $tipos[pathinfo($archivo, PATHINFO_EXTENSION)] : '';
header('Content-Type: ' . ($tipo ?: 'application/octet-stream'));
readfile($archivo);
