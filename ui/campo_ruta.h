// A read-only box for a folder path: the whole path when it fits, otherwise elided
// in the middle, so that both the start and the folder's own name show; the whole
// path is its tool tip and what Ruta() returns.
#pragma once

#include <QLineEdit>
#include <QString>

namespace vendaluz {

class CampoRuta : public QLineEdit {
 public:
  explicit CampoRuta(QWidget* padre = nullptr);

  void PonerRuta(const QString& ruta);
  const QString& Ruta() const { return ruta_; }

 protected:
  void resizeEvent(QResizeEvent* evento) override;

 private:
  void Mostrar();

  QString ruta_;
};

}  // namespace vendaluz
