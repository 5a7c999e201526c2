// The " Carrito " page and the list editing it shares with the " Formulario " page; the
// product dialog and its picture preview, the boxes' filters and the line that says why a dialog
// stays open, the icon view, the picture and pop-up options, and the products per page.
#include "ayudas_prueba.h"
#include "pruebas.h"
#include "ui/frmCarrito.h"
#include "ui/frmFormulario.h"
#include "ui/frmPrincipal.h"
#include "ui/pagina_carrito.h"

namespace vendaluz {
namespace {

using namespace prueba;

PaginaCarrito* Pagina(frmPrincipal& w) { return Hallar<PaginaCarrito>(&w, "Bloque3"); }
QLineEdit* Caja(QWidget* d, const char* nombre) { return Hallar<QLineEdit>(d, nombre); }

// Replaces the text of a box as pasting does (Qt Test types only ASCII).
void Poner(QWidget* d, const char* caja, const QString& texto) {
  if (auto* t = qobject_cast<QPlainTextEdit*>(Hallar(d, caja))) return t->setPlainText(texto);
  Caja(d, caja)->clear();
  Caja(d, caja)->insert(texto);
}

// Three fields of each entry of a project's list: the name, price and description of each
// product, the name, size and field name of each order-form field.
QStringList Productos(const Proyecto& p) {
  QStringList s;
  for (const auto& f : p.productos) s << AQt(f.Nombre + " " + f.Precio + " " + f.Descripcion);
  return s;
}
QStringList CamposFormulario(const Proyecto& p) {
  QStringList s;
  for (const auto& f : p.camposFormulario) s << AQt(f.Campo + " " + f.Tamano + " " + f.Nombre);
  return s;
}

// A list page as the tests drive it: its page, list and actions, the boxes of its dialog for
// those three fields, the warning for each left empty, and the fields: "A" has "A 65 a".
struct PaginaDeLista {
  const char *bloque, *lista, *editar, *eliminar;
  std::array<const char*, 3> cajas, avisos;
  QStringList (*leer)(const Proyecto&);
};
// clang-format off
const PaginaDeLista kPaginas[] = {
    {"Bloque3", "lstCarrito", "modificar", "quitar", {"txtProducto", "txtPrecio", "txtDes"},
     {"Falta el nombre del producto.", "Falta el precio del producto.",
      "Falta la descripción del producto."}, Productos},
    {"Bloque4", "lstFormulario", "editar", "eliminar", {"txtNombre", "txtTamano", "txtValor"},
     {"Falta el campo: el texto que el comprador ve junto a la casilla.",
      "Falta el tamaño del campo.", "Falta el nombre del campo."}, CamposFormulario}};
// clang-format on

// The line that says why a dialog stays open ("-" while hidden), and the box with the focus.
QString Aviso(QWidget* d) {
  auto* a = Hallar<QLabel>(d, "lblAviso");
  return (a->isHidden() ? QStringLiteral("-") : a->text()) + " @" + d->focusWidget()->objectName();
}
QStringList Campos(const QString& nombre) {
  return {nombre, QString::number(nombre[0].unicode()), nombre.toLower()};
}

// The row selected in a list, -1 without one.
int Elegida(QAbstractItemView* lista) {
  const QModelIndexList filas = lista->selectionModel()->selectedRows();
  return filas.isEmpty() ? -1 : filas.first().row();
}

}  // namespace

class PruebaCarrito : public QObject {
  Q_OBJECT

 private slots:
  // Both list pages: any box left empty keeps the dialog open, named in it and with the focus;
  // Escape cancels; an entry added twice is kept twice; editing keeps the entry's place and
  // selection, with its name selected in the dialog; moves past the ends change nothing and the
  // moved entry stays selected; Delete and "Eliminar" remove the selected entry; Editar and
  // Eliminar need one.
  void editarMoverEliminarYAgregar() {
    for (const PaginaDeLista& t : kPaginas) {
      Banco b;
      frmPrincipal w(b.entorno);
      auto* pagina = Hallar(&w, t.bloque);
      auto* lista = Hallar<QTreeView>(&w, t.lista);
      auto elegir = [&](int fila) { lista->setCurrentIndex(lista->model()->index(fila, 0)); };
      auto estado = [&] {
        return t.leer(w.ProyectoAbierto()).join(" / ") + " @" + QString::number(Elegida(lista));
      };
      auto como = [](const QStringList& nombres, int fila) {
        QStringList s;
        for (const QString& n : nombres) s << Campos(n).join(' ');
        return s.join(" / ") + " @" + QString::number(fila);
      };
      QString marco, avisos, esperados;
      for (int i = 0; i < 3; ++i) esperados += QString::fromUtf8(t.avisos[i]) + " @" + t.cajas[i];
      int abierto = 0;  // how many of the four tries leave the dialog open
      auto llenar = [&](const QString& nombre) {
        AlAbrirse([&, nombre](QWidget* d) {
          marco = Hallar<QGroupBox>(d, {})->title() + " " + Caja(d, t.cajas[0])->selectedText();
          abierto = 0;
          for (int vacia = 0; vacia <= 3; ++vacia) {
            for (int i = 0; i < 3; ++i) Poner(d, t.cajas[i], i == vacia ? "" : Campos(nombre)[i]);
            if (vacia < 3) {
              Pulsar(d, "cmdAceptar");
              avisos += Aviso(d);
            }
            abierto += d->isVisible();
          }
          QTest::keyClick(Caja(d, t.cajas[0]), Qt::Key_Return);
        });
      };

      // A new project's order-form fields go first.
      for (int i = 0; i < 20 && Elegida(lista) >= 0; ++i) Disparar(pagina, t.eliminar);
      QCOMPARE(Habilitados(pagina, {t.editar, t.eliminar}), "00");
      for (const char* n : {"A", "B", "C", "C", "D"}) {
        llenar(n);
        Disparar(pagina, "agregar");
        QCOMPARE(marco + QString::number(abierto), QStringLiteral("Agregar 4"));
        QCOMPARE(std::exchange(avisos, {}), esperados);
      }
      AlAbrirse([](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); });
      Disparar(pagina, "agregar");
      QCOMPARE(estado(), como({"A", "B", "C", "C", "D"}, 4));
      QCOMPARE(Habilitados(pagina, {t.editar, t.eliminar}), "11");

      elegir(3);
      llenar("X");
      Disparar(pagina, t.editar);
      QCOMPARE(marco + QString::number(abierto), QStringLiteral("Editar C4"));
      QCOMPARE(estado(), como({"A", "B", "C", "X", "D"}, 3));

      elegir(0);
      Disparar(pagina, "subir");
      Disparar(pagina, "bajar");
      QCOMPARE(estado(), como({"B", "A", "C", "X", "D"}, 1));
      elegir(4);
      Disparar(pagina, "bajar");
      Disparar(pagina, "subir");
      QCOMPARE(estado(), como({"B", "A", "C", "D", "X"}, 3));

      elegir(1);
      QTest::keyClick(lista, Qt::Key_Delete);
      QCOMPARE(estado(), como({"B", "C", "D", "X"}, 1));
      Disparar(pagina, t.eliminar);
      QCOMPARE(estado(), como({"B", "D", "X"}, 1));
      for (int i = 0; i < 3; ++i) Disparar(pagina, t.eliminar);
      QCOMPARE(estado(), como({}, -1));
      QCOMPARE(Habilitados(pagina, {t.editar, t.eliminar}), "00");
    }
  }

  // The product dialog: the price box takes a plain decimal number, typed or pasted, a comma
  // entered as a point, and shows an older price that is not a number as it is, but asks for it
  // to be mended before it closes; choosing a picture, the preview
  // window with its caption and size; a picture that is gone opens nothing.
  void dialogoDeProducto() {
    Banco b;
    const char* casos[][3] = {{"12,50", "12.50", "12.50"},
                              {"1a2.3.4", "12.34", ""},
                              {"$1 0", "10", "10"},
                              {"9,9,9", "9.99", ""}};
    for (const auto& [tecleado, queda, pegado] : casos) {
      frmCarrito d(frmCarrito::Modo::kAgregar, {}, true, b.dialogos);
      QTest::keyClicks(Caja(&d, "txtPrecio"), tecleado);
      QCOMPARE(Caja(&d, "txtPrecio")->text(), QString::fromLatin1(queda));
      Poner(&d, "txtPrecio", QString::fromLatin1(tecleado));
      QCOMPARE(Caja(&d, "txtPrecio")->text(), QString::fromLatin1(pegado));
    }
    frmCarrito d(frmCarrito::Modo::kModificar, {"Silla", "$10", "De pino", ""}, true, b.dialogos);
    auto* txt = Caja(&d, "txtPrecio");
    QCOMPARE(txt->text(), QStringLiteral("$10"));
    Pulsar(&d, "cmdAceptar");
    QCOMPARE(Aviso(&d), QStringLiteral("El precio debe ser un número con punto decimal, por "
                                       "ejemplo 12.50. @txtPrecio"));
    txt->setText("1.5");
    txt->setSelection(1, 1);  // a separator may replace a selected one
    QTest::keyClicks(txt, ",");
    QCOMPARE(txt->text(), QStringLiteral("1.5"));

    const QString ruta = b.dir.filePath("mesa.grande.png");
    QImage imagen(120, 80, QImage::Format_RGB32);
    imagen.fill(Qt::darkGreen);
    QVERIFY(imagen.save(ruta));
    QCOMPARE(TituloVista("C:\\fotos\\silla.jpg"), QStringLiteral("silla"));
    auto* vista = Hallar<QPushButton>(&d, "cmdVista");
    b.dialogos.archivos = {std::nullopt, ruta};
    Pulsar(&d, "cmdBuscar");
    QVERIFY(!vista->isEnabled());
    Pulsar(&d, "cmdBuscar");
    QCOMPARE(Caja(&d, "txtImagen")->text(), ruta);
    QString abierta;
    AlAbrirse([&](QWidget* v) {
      abierta = QStringLiteral("%1 %2x%3").arg(v->windowTitle()).arg(v->width()).arg(v->height());
      static_cast<QDialog*>(v)->reject();
    });
    d.show();
    QTest::mouseClick(vista, Qt::LeftButton);
    QCOMPARE(abierta, QStringLiteral("mesa 120x80"));
    QFile::remove(ruta);
    QCOMPARE(ModalQueAbre([&] { QTest::mouseClick(vista, Qt::LeftButton); }),
             QStringLiteral("frmCarrito"));
  }

  // The field dialog: the name takes only a to z, capitals and accented letters as their plain
  // lower-case letters, the size only digits, typed or pasted, each box its length; Backspace
  // still deletes. A name or size of an older file is shown as it is, and named on "Aceptar".
  void filtrosDelCampo() {
    const struct {
      const char* caja;
      QString tecleado, queda;
    } casos[] = {
        {"txtValor", QStringLiteral("aÑB_1zé-x ﬁabcdefghijk"), QStringLiteral("anbzexfiab")},
        {"txtTamano", QStringLiteral("3a-4.5"), QStringLiteral("34")},
        {"txtNombre", QStringLiteral("Código Postal 1234"), QStringLiteral("Código Postal 1")}};
    frmFormulario d(frmFormulario::Modo::kAgregar, {});
    for (const auto& [nombre, tecleado, queda] : casos) {
      auto* caja = Caja(&d, nombre);
      for (QChar c : tecleado) {  // as the keyboard sends it, also beyond ASCII
        QKeyEvent pulsada(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(caja, &pulsada);
      }
      QCOMPARE(caja->text(), queda);
      QTest::keyClick(caja, Qt::Key_Backspace);
      QCOMPARE(caja->text(), queda.chopped(1));
    }
    Poner(&d, "txtValor", QStringLiteral("nombre\" onfocus=\"x"));  // cut to its 10 characters
    QCOMPARE(Caja(&d, "txtValor")->text(), QStringLiteral("nombreon"));
    frmFormulario viejo(frmFormulario::Modo::kEditar, {"Cp", "Código", "0"});
    Pulsar(&viejo, "cmdAceptar");
    const QString aviso = Aviso(&viejo);
    Poner(&viejo, "txtValor", QStringLiteral("Código"));  // entered, so filtered
    Pulsar(&viejo, "cmdAceptar");
    QCOMPARE(
        aviso + Aviso(&viejo),
        QStringLiteral("El nombre del campo solo puede tener letras minúsculas de la a a la "
                       "z. @txtValorEl tamaño del campo debe ser un número de 1 a 99. @txtTamano"));
  }

  // The icon view has no order, so no Subir and Bajar; the right mouse button over the list
  // pops up the "Proyecto" menu; pictures off: no picture actions, and a product dialog without
  // its picture row that keeps the product's picture; products per page: back to "10" when left
  // empty.
  void vistasEImagenes() {
    Banco b;
    Proyecto tienda = ProyectoCompleto("Tienda");
    tienda.productos[1].Imagen = "fotos/silla.jpg";
    GuardarProyecto(tienda, b.proyectos() / "Tienda.ini");
    frmPrincipal w(b.entorno);
    w.AbrirDeLista(b.proyectos() / "Tienda.ini");
    auto* lista = Hallar<QTreeView>(&w, "lstCarrito");
    lista->setCurrentIndex(lista->model()->index(1, 0));
    Pulsar(&w, "cheDeta");
    QCOMPARE(Habilitados(Pagina(w), {"subir", "bajar"}), "00");
    Pagina(w)->Subir();
    QCOMPARE(w.ProyectoAbierto().productos[0].Nombre, std::string("Silla 1"));
    Pulsar(&w, "cheDeta");
    QCOMPARE(Habilitados(Pagina(w), {"subir", "bajar"}), "11");
    w.show();
    emit lista->customContextMenuRequested(QPoint(10, 10));
    QWidget* menu = QApplication::activePopupWidget();
    QCOMPARE(menu ? menu->objectName() : QString(), QStringLiteral("mnuProyecto"));
    menu->close();

    for (bool imagenes : {false, true}) {
      Pulsar(&w, "cheImagen");
      QCOMPARE(Habilitados(&w, {"imagen", "opciones", "mnuImagenes", "mnuPopup"}),
               imagenes ? "1111" : "0000");
      bool fila = !imagenes;
      AlAbrirse([&](QWidget* d) {
        fila = Caja(d, "txtImagen")->isVisible() && Hallar(d, "cmdBuscar")->isVisible();
        Pulsar(d, "cmdAceptar");
      });
      Disparar(Pagina(w), "modificar");
      QCOMPARE(AQt(w.ProyectoAbierto().productos[1].Imagen) + " " + QString::number(fila),
               "fotos/silla.jpg " + QString::number(imagenes));
    }

    auto* cantidad = Caja(&w, "txtCantProd");
    cantidad->clear();
    QTest::keyClick(cantidad, Qt::Key_Return);  // leaving the box finishes it the same way
    QCOMPARE(cantidad->text() + " " + AQt(w.ProyectoAbierto().txtCantProd),
             QStringLiteral("10 10"));
  }

  // The picture options: the cascades of the check boxes, the sizes required with thumbnails
  // on, the Generar page following, and nothing written on "Cancelar"; the pop-up options.
  void opcionesDeImagenesYPopup() {
    Banco b;
    frmPrincipal w(b.entorno);
    bool abiertoSinAncho = false;
    AlAbrirse([&](QWidget* d) {
      auto* ancho = Caja(d, "txtTAncho");
      QVERIFY(Caja(d, "txtRutaImg")->text().endsWith("imagenes"));
      QVERIFY(!ancho->isEnabled());
      Pulsar(d, "cheTGenerar");
      Escribir(ancho, "4x5y6");
      QCOMPARE(ancho->text(), QStringLiteral("45"));
      ancho->clear();
      Pulsar(d, "cmdAceptar");
      abiertoSinAncho = d->isVisible();
      QTest::keyClicks(ancho, "80");
      Pulsar(d, "cmdAceptar");
    });
    Disparar(&w, "imagen");
    QVERIFY(abiertoSinAncho);
    const auto& t = w.ProyectoAbierto().thumbnails;
    QCOMPARE(t.TAncho + " " + std::to_string(t.TGenerar), std::string("80 0"));

    // Copying off takes thumbnails off with it; on again, they can be chosen.
    AlAbrirse([](QWidget* d) {
      auto* thumb = Hallar<QCheckBox>(d, "cheThumb");
      Pulsar(d, "cheCopiarImg");
      QVERIFY(!thumb->isChecked() && !thumb->isEnabled() &&
              Caja(d, "txtRutaImg")->text().isEmpty());
      QVERIFY(!Hallar(d, "cheTGenerar")->isEnabled() && !Caja(d, "txtTAncho")->isEnabled());
      Pulsar(d, "cmdAceptar");
    });
    Disparar(&w, "imagen");
    QCOMPARE(t.Copiar + t.Mostrar, 0);
    QVERIFY(Caja(&w, "txtGImagenes")->text().isEmpty() && Caja(&w, "txtGThumbs")->text().isEmpty());
    const Proyecto antes = w.ProyectoAbierto();
    AlAbrirse([](QWidget* d) {
      Pulsar(d, "cheCopiarImg");
      QVERIFY(Hallar(d, "cheThumb")->isEnabled());
      Pulsar(d, "cmdCancelar");
    });
    Disparar(&w, "mnuImagenes");
    QCOMPARE(w.ProyectoAbierto(), antes);

    // The pop-up options: a Si/No label follows its box, the sizes follow "Centrar" and are
    // required; "Aceptar" writes them all.
    bool abiertoSinAlto = false;
    AlAbrirse([&](QWidget* d) {
      auto* ancho = Caja(d, "txtAncho");
      auto* alto = Caja(d, "txtAlto");
      auto* etiqueta = Hallar<QLabel>(d, "chePoptxt2");
      QCOMPARE(etiqueta->text() + Hallar<QLabel>(d, "chePoptxt5")->text(), QStringLiteral("NoSí"));
      Pulsar(d, "chePopup2");
      QCOMPARE(etiqueta->text(), QStringLiteral("Sí"));
      Escribir(ancho, "1024");
      Pulsar(d, "chePopup5");
      QVERIFY(!ancho->isEnabled() && !alto->isEnabled());
      Pulsar(d, "chePopup5");
      QVERIFY(ancho->isEnabled() && alto->isEnabled());
      alto->clear();
      Pulsar(d, "cmdAceptar");
      abiertoSinAlto = d->isVisible();
      QTest::keyClicks(alto, "700");
      Hallar<QComboBox>(d, "cboAbrir")->setCurrentText("Botón");
      QTest::keyClick(alto, Qt::Key_Return);
    });
    Disparar(&w, "mnuPopup");
    QVERIFY(abiertoSinAlto);
    const auto& o = w.ProyectoAbierto().popup;
    QCOMPARE(o.Ancho + "x" + o.Alto + " " + o.Abrir, std::string("1024x700 Botón"));
    QCOMPARE((std::array{o.Barra1, o.Barra2, o.Barra3, o.Barra4, o.Barra5, o.Centrar}),
             (std::array{1, 0, 1, 0, 0, 1}));
  }
};

}  // namespace vendaluz

QObject* CrearPruebaCarrito() { return new vendaluz::PruebaCarrito; }

#include "carrito_test.moc"
