// What the program keeps from one run to the next, in the user's settings (QSettings,
// organization and program "Vendaluz"): the main window's size and place, and the
// last folder a project file was opened from or saved to, or that was chosen in the
// folder browser. Nothing here fails visibly: settings that cannot be read or written
// leave the program's defaults.
#pragma once

#include <QString>

class QWidget;

namespace vendaluz {

// Gives ventana the size and place kept by GuardarVentana, if any; the toolkit keeps a
// window kept on a screen that is gone on one that is there.
void RestaurarVentana(QWidget& ventana);
void GuardarVentana(const QWidget& ventana);

void RecordarCarpeta(const QString& carpeta);
// The folder last remembered, while it still exists; otherwise siNoHay.
QString UltimaCarpeta(const QString& siNoHay);

}  // namespace vendaluz
