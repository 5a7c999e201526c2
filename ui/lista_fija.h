// Combo boxes whose value can only be picked from their list: every typed
// character is refused (the arrow keys and the mouse still choose).
#pragma once

#include <QComboBox>
#include <QStringList>

namespace vendaluz {

// A fixed list; the project's text is shown even when it is not one of the offered
// values (a file written elsewhere), so nothing read is lost.
QComboBox* CrearListaFija(const QString& nombre, const QStringList& valores, QWidget* padre);
void MostrarEnLista(QComboBox* lista, const QString& valor);

// The fonts and sizes offered for the pages and their links.
QStringList FuentesOfrecidas();
QStringList TamanosOfrecidos();

}  // namespace vendaluz
