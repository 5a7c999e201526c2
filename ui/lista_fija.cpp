#include "ui/lista_fija.h"

#include <QEvent>
#include <QKeyEvent>

namespace vendaluz {
namespace {

class SinTeclas : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (evento->type() == QEvent::KeyPress) {
      const auto* tecla = static_cast<QKeyEvent*>(evento);
      // A printable character would jump to the entry it starts; refuse it.
      if (!tecla->text().isEmpty() && tecla->text().at(0).isPrint()) return true;
    }
    return QObject::eventFilter(objeto, evento);
  }
};

}  // namespace

QComboBox* CrearListaFija(const QString& nombre, const QStringList& valores, QWidget* padre) {
  auto* lista = new QComboBox(padre);
  lista->setObjectName(nombre);
  lista->setEditable(false);
  lista->addItems(valores);
  lista->installEventFilter(new SinTeclas(lista));
  return lista;
}

void MostrarEnLista(QComboBox* lista, const QString& valor) {
  int i = lista->findText(valor, Qt::MatchExactly);
  if (i < 0) {
    lista->addItem(valor);
    i = lista->count() - 1;
  }
  lista->setCurrentIndex(i);
}

QStringList FuentesOfrecidas() {
  return {QStringLiteral("Arial"), QStringLiteral("Times New Roman"), QStringLiteral("Verdana")};
}

QStringList TamanosOfrecidos() {
  return {QStringLiteral("10pt"), QStringLiteral("11pt"), QStringLiteral("12pt"),
          QStringLiteral("13pt"), QStringLiteral("14pt")};
}

}  // namespace vendaluz
