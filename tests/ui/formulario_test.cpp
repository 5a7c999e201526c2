// The field dialog of the " Formulario " page: its key filters (the list editing is tested with
// the " Carrito " page's).

#include "ayudas_prueba.h"
#include "pruebas.h"
#include "ui/frmFormulario.h"

namespace vendaluz {

using namespace prueba;

class PruebaFormulario : public QObject {
  Q_OBJECT

 private slots:
  // The name takes only a to z, the size only digits, each box its length; Backspace still deletes.
  void filtrosDeTeclas() {
    const struct {
      const char* caja;
      QString tecleado, queda;
    } casos[] = {
        {"txtValor", QStringLiteral("aÑB_1zé-x ñabcdefghijk"), QStringLiteral("azxabcdefg")},
        {"txtTamano", QStringLiteral("3a-4.5"), QStringLiteral("34")},
        {"txtNombre", QStringLiteral("Código Postal 1234"), QStringLiteral("Código Postal 1")}};
    frmFormulario d(frmFormulario::Modo::kAgregar, {});
    for (const auto& [nombre, tecleado, queda] : casos) {
      auto* caja = Hallar<QLineEdit>(&d, nombre);
      for (QChar c : tecleado) {  // as the keyboard sends it, also beyond ASCII
        QKeyEvent pulsada(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(caja, &pulsada);
      }
      QCOMPARE(caja->text(), queda);
      QTest::keyClick(caja, Qt::Key_Backspace);
      QCOMPARE(caja->text(), queda.chopped(1));
    }
  }
};

}  // namespace vendaluz

QObject* CrearPruebaFormulario() { return new vendaluz::PruebaFormulario; }

#include "formulario_test.moc"
