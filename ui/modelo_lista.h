// A list of the open project (products, order-form fields) shown in list views. The
// model reads the project's vector in place, so a list of thousands of entries costs
// nothing until rows are drawn, and every edit goes through it so that the views
// follow. Text columns are fields of the record; line breaks show as blanks.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <string>
#include <vector>

#include "ui/conversion.h"

namespace vendaluz {

template <typename T>
class ModeloLista : public QAbstractTableModel {
 public:
  using Campo = std::string T::*;

  ModeloLista(std::vector<T>& filas, std::vector<Campo> campos, QStringList encabezados,
              QObject* padre = nullptr)
      : QAbstractTableModel(padre),
        filas_(filas),
        campos_(std::move(campos)),
        encabezados_(std::move(encabezados)) {}

  int rowCount(const QModelIndex& padre = {}) const override {
    return padre.isValid() ? 0 : static_cast<int>(filas_.size());
  }
  int columnCount(const QModelIndex& padre = {}) const override {
    return padre.isValid() ? 0 : static_cast<int>(campos_.size());
  }
  QVariant data(const QModelIndex& i, int rol) const override {
    if (!i.isValid() || i.row() >= rowCount()) return {};
    if (rol == Qt::DisplayRole || rol == Qt::ToolTipRole) {
      QString texto = AQt(filas_[i.row()].*campos_[i.column()]);
      if (rol == Qt::DisplayRole) {
        texto.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        texto.replace(QLatin1Char('\n'), QLatin1Char(' '));
      }
      return texto;
    }
    if (rol == Qt::DecorationRole && i.column() == 0 && !icono_.isNull()) return icono_;
    return {};
  }
  QVariant headerData(int seccion, Qt::Orientation o, int rol) const override {
    if (o == Qt::Horizontal && rol == Qt::DisplayRole && seccion < encabezados_.size()) {
      return encabezados_[seccion];
    }
    return QAbstractTableModel::headerData(seccion, o, rol);
  }

  void PonerEncabezado(int columna, const QString& texto) {
    if (encabezados_[columna] == texto) return;
    encabezados_[columna] = texto;
    emit headerDataChanged(Qt::Horizontal, columna, columna);
  }
  // The picture of each entry in the icon view.
  void PonerIcono(const QIcon& icono) { icono_ = icono; }

  const T& Fila(int fila) const { return filas_[fila]; }

  // After the whole vector has been replaced (a project set up or opened).
  void Recargar() {
    beginResetModel();
    endResetModel();
  }
  void Agregar(const T& valor) {
    const int n = rowCount();
    beginInsertRows({}, n, n);
    filas_.push_back(valor);
    endInsertRows();
  }
  void Reemplazar(int fila, const T& valor) {
    filas_[fila] = valor;
    emit dataChanged(index(fila, 0), index(fila, columnCount() - 1));
  }
  void Quitar(int fila) {
    beginRemoveRows({}, fila, fila);
    filas_.erase(filas_.begin() + fila);
    endRemoveRows();
  }
  // Swaps fila with its neighbour above (-1) or below (+1).
  void Intercambiar(int fila, int paso) {
    const int otra = fila + paso;
    // beginMoveRows takes the destination as the row the moved one goes before.
    const int destino = paso > 0 ? otra + 1 : otra;
    beginMoveRows({}, fila, fila, {}, destino);
    std::swap(filas_[fila], filas_[otra]);
    endMoveRows();
  }

 private:
  std::vector<T>& filas_;
  std::vector<Campo> campos_;
  QStringList encabezados_;
  QIcon icono_;
};

}  // namespace vendaluz
