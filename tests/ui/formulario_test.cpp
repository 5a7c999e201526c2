// The " Formulario " page: the order-form field list, its tool bar and the field
// dialog with its key filters.

#include "ayudas_prueba.h"
#include "pruebas.h"
#include "ui/frmFormulario.h"
#include "ui/frmPrincipal.h"
#include "ui/pagina_formulario.h"

namespace vendaluz {
namespace {

using namespace prueba;

PaginaFormulario* Pagina(frmPrincipal& w) { return Hallar<PaginaFormulario>(&w, "Bloque4"); }

// Types one character, as the keyboard sends it (also characters beyond ASCII).
void Teclear(QWidget* w, QChar c) {
  QKeyEvent pulsada(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
  QApplication::sendEvent(w, &pulsada);
}

// Fills the open field dialog and presses Enter; true when it closed.
bool Llenar(QWidget* d, const QString& campo, const QString& nombre, const QString& tamano) {
  for (auto [caja, texto] :
       {std::pair{"txtNombre", campo}, {"txtValor", nombre}, {"txtTamano", tamano}}) {
    auto* t = Hallar<QLineEdit>(d, caja);
    t->clear();
    t->insert(texto);
  }
  QTest::keyClick(Hallar<QLineEdit>(d, "txtTamano"), Qt::Key_Return);
  return !d->isVisible();
}

}  // namespace

class PruebaFormulario : public QObject {
  Q_OBJECT

 private slots:
  // The name takes only a to z, the size only digits, each with its length.
  void filtrosDeTeclas() {
    frmFormulario d(frmFormulario::Modo::kAgregar, {});
    auto* valor = Hallar<QLineEdit>(&d, "txtValor");
    for (QChar c : QStringLiteral("aÑB_1zé-x ñ")) Teclear(valor, c);
    QCOMPARE(valor->text(), QStringLiteral("azx"));
    QTest::keyClicks(valor, "abcdefghijk");
    QCOMPARE(valor->text(), QStringLiteral("azxabcdefg"));
    QTest::keyClick(valor, Qt::Key_Backspace);
    QCOMPARE(valor->text(), QStringLiteral("azxabcdef"));

    auto* tamano = Hallar<QLineEdit>(&d, "txtTamano");
    QTest::keyClicks(tamano, "3a-4.5");
    QCOMPARE(tamano->text(), QStringLiteral("34"));
    auto* campo = Hallar<QLineEdit>(&d, "txtNombre");
    QTest::keyClicks(campo, "Codigo Postal 1234");
    QCOMPARE(campo->text().size(), 15);
  }

  // Editing keeps the place; incomplete input keeps the dialog open; the tool bar
  // follows the list; duplicates are kept; Delete removes.
  void editarEliminarYAgregar() {
    Banco b;
    frmPrincipal w(b.entorno);
    auto* lista = Hallar<QTreeView>(&w, "lstFormulario");
    lista->setCurrentIndex(lista->model()->index(4, 0));
    QString marco, seleccion;
    bool abiertoSinTamano = false;
    AlAbrirse([&](QWidget* d) {
      marco = Hallar<QGroupBox>(d, "fraFormulario")->title();
      seleccion = Hallar<QLineEdit>(d, "txtNombre")->selectedText();
      abiertoSinTamano = !Llenar(d, "Región", "region", "");
      Llenar(d, "Región", "region", "20");
    });
    Disparar(Pagina(w), "editar");
    QCOMPARE(marco, QStringLiteral("Editar"));
    QCOMPARE(seleccion, QStringLiteral("Provincia"));
    QVERIFY(abiertoSinTamano);
    const auto& campos = w.ProyectoAbierto().camposFormulario;
    QCOMPARE(campos.size(), std::size_t{10});
    QCOMPARE(campos[4], (CampoFormulario{"Región", "region", "20"}));
    QCOMPARE(campos[5].Nombre, std::string("cp"));

    // Up at the top and down at the bottom change nothing; a move keeps the field
    // selected.
    Pagina(w)->Bajar();
    QCOMPARE(campos[5].Nombre, std::string("region"));
    QCOMPARE(Pagina(w)->Seleccionada(), 5);
    lista->setCurrentIndex(lista->model()->index(0, 0));
    Pagina(w)->Subir();
    QCOMPARE(campos[0].Nombre, std::string("nombre"));
    lista->setCurrentIndex(lista->model()->index(9, 0));
    Pagina(w)->Bajar();
    QCOMPARE(campos[9].Nombre, std::string("fax"));

    auto* editar = Hallar<QAction>(Pagina(w), "editar");
    auto* eliminar = Hallar<QAction>(Pagina(w), "eliminar");
    for (int i = 0; i < 9; ++i) Disparar(Pagina(w), "eliminar");
    QCOMPARE(campos.size(), std::size_t{1});
    QTest::keyClick(lista, Qt::Key_Delete);
    QVERIFY(campos.empty());
    QVERIFY(!editar->isEnabled() && !eliminar->isEnabled());

    for (int i = 0; i < 2; ++i) {
      AlAbrirse([](QWidget* d) { Llenar(d, "Nombre", "nombre", "34"); });
      Disparar(Pagina(w), "agregar");
    }
    QCOMPARE(campos.size(), std::size_t{2});
    QCOMPARE(campos[0], campos[1]);
    QVERIFY(editar->isEnabled() && eliminar->isEnabled());

    // Escape cancels.
    AlAbrirse([](QWidget* d) {
      Hallar<QLineEdit>(d, "txtNombre")->insert("X");
      QTest::keyClick(d, Qt::Key_Escape);
    });
    Disparar(Pagina(w), "editar");
    QCOMPARE(campos[1].Campo, std::string("Nombre"));
  }

  void validar() {
    Banco b;
    frmPrincipal w(b.entorno);
    QVERIFY(Hallar<QCheckBox>(&w, "cheValidar")->isChecked());
    Pulsar(&w, "cheValidar");
    QCOMPARE(w.ProyectoAbierto().formularioValidar, 0);
  }
};

}  // namespace vendaluz

QObject* CrearPruebaFormulario() { return new vendaluz::PruebaFormulario; }

#include "formulario_test.moc"
