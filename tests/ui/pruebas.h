// The window test classes, one per window; main() runs the one named on its
// command line (CTest registers each separately).
#pragma once

#include <QObject>

QObject* CrearPruebaPrincipal();
QObject* CrearPruebaReporte();
QObject* CrearPruebaExaminar();
QObject* CrearPruebaVentanasPequenas();
QObject* CrearPruebaGenerar();
QObject* CrearPruebaCategoria();
QObject* CrearPruebaCarrito();
QObject* CrearPruebaFormulario();
QObject* CrearPruebaServidor();
QObject* CrearPruebaFormato();
