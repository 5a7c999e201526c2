// The window test classes, one per window or group of pages; main() runs the one named on its
// command line (CTest registers each separately).
#pragma once

#include <QObject>

QObject* CrearPruebaPrincipal();
QObject* CrearPruebaVentanasPequenas();
QObject* CrearPruebaGenerar();
QObject* CrearPruebaCategoria();
QObject* CrearPruebaCarrito();
QObject* CrearPruebaPaginas();
