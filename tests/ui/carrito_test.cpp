// The " Carrito " page: the product list and its tool bar, the product dialog and
// its picture preview, the picture and pop-up options, and the products per page.
#include "ayudas_prueba.h"
#include "pruebas.h"
#include "ui/frmCarrito.h"
#include "ui/frmPrincipal.h"
#include "ui/pagina_carrito.h"

namespace vendaluz {
namespace {

using namespace prueba;

PaginaCarrito* Pagina(frmPrincipal& w) { return Hallar<PaginaCarrito>(&w, "Bloque3"); }
QLineEdit* Caja(QWidget* d, const char* nombre) { return Hallar<QLineEdit>(d, nombre); }

std::vector<std::string> Nombres(const frmPrincipal& w) {
  std::vector<std::string> n;
  for (const Producto& p : w.ProyectoAbierto().productos) n.push_back(p.Nombre);
  return n;
}

// Fills the open product dialog and presses "Aceptar"; true when it closed.
bool Llenar(QWidget* d, const QString& nombre, const QString& precio, const QString& des) {
  Caja(d, "txtProducto")->clear();
  Caja(d, "txtProducto")->insert(nombre);  // Qt Test types only ASCII
  Escribir(Caja(d, "txtPrecio"), precio);
  Hallar<QPlainTextEdit>(d, "txtDes")->setPlainText(des);
  Pulsar(d, "cmdAceptar");
  return !d->isVisible();
}

void Agregar(frmPrincipal& w, const QString& nombre) {
  AlAbrirse([&](QWidget* d) { Llenar(d, nombre, "10", "Algo"); });
  Pagina(w)->Agregar();
}

bool Habilitadas(QObject* w, std::initializer_list<const char*> acciones, bool si) {
  for (const char* a : acciones) {
    if (Hallar<QAction>(w, a)->isEnabled() != si) return false;
  }
  return true;
}

}  // namespace

class PruebaCarrito : public QObject {
  Q_OBJECT

 private slots:
  // Incomplete input keeps the dialog open; Enter accepts, Escape cancels; the tool
  // bar follows the list becoming empty and not empty.
  void agregarYEliminar() {
    Banco b;
    frmPrincipal w(b.entorno);
    QVERIFY(Habilitadas(&w, {"modificar", "quitar"}, false));
    bool abiertoSinDescripcion = false;
    QString marco;
    AlAbrirse([&](QWidget* d) {
      marco = Hallar<QGroupBox>(d, "fraCarrito")->title();
      abiertoSinDescripcion = !Llenar(d, "Silla", "25", "");
      Hallar<QPlainTextEdit>(d, "txtDes")->setPlainText("De pino\nHecha a mano");
      QTest::keyClick(Caja(d, "txtProducto"), Qt::Key_Return);
    });
    Pagina(w)->Agregar();
    QCOMPARE(marco, QStringLiteral("Agregar"));
    QVERIFY(abiertoSinDescripcion);
    QCOMPARE(w.ProyectoAbierto().productos,
             (std::vector<Producto>{{"Silla", "25", "De pino\nHecha a mano", ""}}));
    QVERIFY(Habilitadas(&w, {"modificar", "quitar"}, true));
    AlAbrirse([](QWidget* d) {
      QTest::keyClicks(Caja(d, "txtProducto"), "Mesa");
      QTest::keyClick(d, Qt::Key_Escape);
    });
    Pagina(w)->Agregar();
    QCOMPARE(w.ProyectoAbierto().productos.size(), std::size_t{1});
    // Delete on the list removes the selected product, as "Eliminar" does.
    auto* lista = Hallar<QTreeView>(&w, "lstCarrito");
    QTest::keyClick(lista, Qt::Key_Delete);
    QVERIFY(w.ProyectoAbierto().productos.empty());
    QVERIFY(Habilitadas(&w, {"modificar", "quitar"}, false));
    Agregar(w, "Banco");
    Disparar(&w, "quitar");
    QVERIFY(w.ProyectoAbierto().productos.empty());
    // The right mouse button over the list pops up the "Proyecto" menu.
    w.show();
    emit lista->customContextMenuRequested(QPoint(10, 10));
    QWidget* menu = QApplication::activePopupWidget();
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QStringLiteral("mnuProyecto"));
    menu->close();
  }

  // Editing keeps the product's place and shows it with its name selected; the
  // description keeps its line breaks through saving and opening; moves at the ends
  // change nothing and a moved product stays selected; the icon view stops moves.
  void editarYMover() {
    Banco b;
    frmPrincipal w(b.entorno);
    for (int i = 1; i <= 5; ++i) Agregar(w, QStringLiteral("P%1").arg(i));
    auto* lista = Hallar<QTreeView>(&w, "lstCarrito");
    lista->setCurrentIndex(lista->model()->index(2, 0));
    QString marco, seleccion;
    AlAbrirse([&](QWidget* d) {
      marco = Hallar<QGroupBox>(d, "fraCarrito")->title();
      seleccion = Caja(d, "txtProducto")->selectedText();
      Llenar(d, "Sillón", "99.90", "Línea 1\nLínea 2");
    });
    Disparar(&w, "modificar");
    QCOMPARE(marco, QStringLiteral("Editar"));
    QCOMPARE(seleccion, QStringLiteral("P3"));
    QCOMPARE(Nombres(w), (std::vector<std::string>{"P1", "P2", "Sillón", "P4", "P5"}));
    QCOMPARE(Pagina(w)->Seleccionada(), 2);
    b.dialogos.archivos = {AQt(b.proyectos() / "Tienda.ini")};
    QVERIFY(w.GuardarProyecto());
    frmPrincipal otra(b.entorno);
    otra.AbrirDeLista(b.proyectos() / "Tienda.ini");
    QCOMPARE(otra.ProyectoAbierto().productos[2],
             (Producto{"Sillón", "99.90", "Línea 1\nLínea 2", ""}));
    QCOMPARE(Hallar<QTreeView>(&otra, "lstCarrito")->model()->rowCount(), 5);

    lista->setCurrentIndex(lista->model()->index(0, 0));
    Pagina(w)->Subir();
    Pagina(w)->Bajar();
    QCOMPARE(Nombres(w), (std::vector<std::string>{"P2", "P1", "Sillón", "P4", "P5"}));
    QCOMPARE(Pagina(w)->Seleccionada(), 1);
    lista->setCurrentIndex(lista->model()->index(4, 0));
    Disparar(Pagina(w), "bajar");
    Disparar(Pagina(w), "subir");
    QCOMPARE(Nombres(w), (std::vector<std::string>{"P2", "P1", "Sillón", "P5", "P4"}));
    QCOMPARE(lista->currentIndex().data().toString(), QStringLiteral("P5"));
    Pulsar(&w, "cheDeta");
    QVERIFY(Habilitadas(Pagina(w), {"subir", "bajar"}, false));
    Pagina(w)->Subir();
    QCOMPARE(Nombres(w), (std::vector<std::string>{"P2", "P1", "Sillón", "P5", "P4"}));
    Pulsar(&w, "cheDeta");
    QVERIFY(Habilitadas(Pagina(w), {"subir", "bajar"}, true));
  }

  // The price box takes a plain decimal number; a comma is entered as a point; an
  // older price that is not a number is shown as it is.
  void precio() {
    Banco b;
    const std::pair<const char*, const char*> casos[] = {{"12,50", "12.50"}, {"1a2.3.4", "12.34"},
                                                         {"$10", "10"},      {",5", ".5"},
                                                         {"1 000", "1000"},  {"9,9,9", "9.99"}};
    for (const auto& [tecleado, queda] : casos) {
      frmCarrito d(frmCarrito::Modo::kAgregar, {}, true, b.dialogos);
      QTest::keyClicks(Caja(&d, "txtPrecio"), tecleado);
      QCOMPARE(Caja(&d, "txtPrecio")->text(), QString::fromLatin1(queda));
    }
    frmCarrito d(frmCarrito::Modo::kModificar, {"Silla", "$10", "De pino", ""}, true, b.dialogos);
    auto* txt = Caja(&d, "txtPrecio");
    QCOMPARE(txt->text(), QStringLiteral("$10"));
    // A separator may replace a selected one.
    txt->setText("1.5");
    txt->setSelection(1, 1);
    QTest::keyClicks(txt, ",");
    QCOMPARE(txt->text(), QStringLiteral("1.5"));
  }

  // Pictures off: the header, the tool-bar and menu entries, and a product dialog
  // without its picture row.
  void imagenesEncendidasYApagadas() {
    Banco b;
    frmPrincipal w(b.entorno);
    auto encabezado = [&] {
      return Hallar<QTreeView>(&w, "lstCarrito")->model()->headerData(3, Qt::Horizontal);
    };
    const auto acciones = {"imagen", "opciones", "mnuImagenes", "mnuPopup"};
    QCOMPARE(encabezado().toString(), QStringLiteral("Imagen"));
    QVERIFY(Habilitadas(&w, acciones, true));
    Pulsar(&w, "cheImagen");
    QCOMPARE(encabezado().toString(), QStringLiteral("Sin Imagen"));
    QVERIFY(Habilitadas(&w, acciones, false));
    bool filaVisible = true;
    AlAbrirse([&](QWidget* d) {
      filaVisible = Caja(d, "txtImagen")->isVisible() || Hallar(d, "cmdBuscar")->isVisible();
      Llenar(d, "Silla", "10", "De pino");
    });
    Pagina(w)->Agregar();
    QVERIFY(!filaVisible);
    QCOMPARE(w.ProyectoAbierto().productos.at(0).Imagen, std::string());
    Pulsar(&w, "cheImagen");
    QCOMPARE(encabezado().toString(), QStringLiteral("Imagen"));
    QVERIFY(Habilitadas(&w, acciones, true));
  }

  // Choosing a picture (JPEG, GIF and PNG offered), the preview button and the
  // preview window with its caption and size.
  void imagenYVistaPrevia() {
    Banco b;
    const QString ruta = b.dir.filePath("mesa.grande.png");
    QImage imagen(120, 80, QImage::Format_RGB32);
    imagen.fill(Qt::darkGreen);
    QVERIFY(imagen.save(ruta));
    QCOMPARE(TituloVista("C:\\fotos\\silla.jpg"), QStringLiteral("silla"));
    frmCarrito d(frmCarrito::Modo::kAgregar, {}, true, b.dialogos);
    auto* vista = Hallar<QPushButton>(&d, "cmdVista");
    QVERIFY(!vista->isEnabled());
    b.dialogos.archivos = {std::nullopt, ruta};
    Pulsar(&d, "cmdBuscar");
    QVERIFY(!vista->isEnabled());
    Pulsar(&d, "cmdBuscar");
    const QString filtro = b.dialogos.Ultima("abrir")->filtro;
    for (const char* p : {"*.jpg", "*.jpeg", "*.gif", "*.png"}) QVERIFY2(filtro.contains(p), p);
    QCOMPARE(Caja(&d, "txtImagen")->text(), ruta);
    QVERIFY(vista->isEnabled());
    QString titulo;
    QSize tamano;
    AlAbrirse([&](QWidget* v) {
      titulo = v->windowTitle();
      tamano = Hallar<QLabel>(v, "Imagen")->pixmap().size();
      static_cast<QDialog*>(v)->reject();
    });
    d.show();
    QTest::mouseClick(vista, Qt::LeftButton);
    QCOMPARE(titulo, QStringLiteral("mesa"));
    QCOMPARE(tamano, QSize(120, 80));
    // A picture that is gone: nothing opens on top of the product dialog.
    QFile::remove(ruta);
    QCOMPARE(ModalQueAbre([&] { QTest::mouseClick(vista, Qt::LeftButton); }),
             QStringLiteral("frmCarrito"));
  }

  // The picture options: the cascades of the check boxes, the required sizes with
  // thumbnails on, and nothing written on "Cancelar".
  void opcionesDeImagenes() {
    Banco b;
    frmPrincipal w(b.entorno);
    const Proyecto antes = w.ProyectoAbierto();
    AlAbrirse([](QWidget* d) {
      auto* thumb = Hallar<QCheckBox>(d, "cheThumb");
      QVERIFY(thumb->isChecked() && thumb->isEnabled());
      QVERIFY(Caja(d, "txtRutaImg")->text().endsWith("imagenes"));
      Pulsar(d, "cheCopiarImg");
      QVERIFY(!thumb->isChecked() && !thumb->isEnabled());
      QVERIFY(Caja(d, "txtRutaImg")->text().isEmpty());
      QVERIFY(!Hallar(d, "cheTGenerar")->isEnabled() && !Caja(d, "txtTAncho")->isEnabled());
      Pulsar(d, "cmdCancelar");
    });
    Disparar(&w, "mnuImagenes");
    QCOMPARE(w.ProyectoAbierto(), antes);

    bool abiertoSinAncho = false;
    AlAbrirse([&](QWidget* d) {
      auto* ancho = Caja(d, "txtTAncho");
      QVERIFY(Hallar<QCheckBox>(d, "cheTGenerar")->isChecked() && !ancho->isEnabled());
      Pulsar(d, "cheTGenerar");
      QVERIFY(ancho->isEnabled());
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
    QCOMPARE(w.ProyectoAbierto().thumbnails.TAncho, std::string("80"));
    QCOMPARE(w.ProyectoAbierto().thumbnails.TGenerar, 0);

    // Copying off is written with thumbnails off, and the Generar page follows.
    AlAbrirse([](QWidget* d) {
      Pulsar(d, "cheCopiarImg");
      Pulsar(d, "cmdAceptar");
    });
    Disparar(&w, "imagen");
    QCOMPARE(w.ProyectoAbierto().thumbnails.Copiar, 0);
    QCOMPARE(w.ProyectoAbierto().thumbnails.Mostrar, 0);
    QVERIFY(Caja(&w, "txtGImagenes")->text().isEmpty() && Caja(&w, "txtGThumbs")->text().isEmpty());
    // Copying on again offers thumbnails with the stored setting (off).
    AlAbrirse([](QWidget* d) {
      Pulsar(d, "cheCopiarImg");
      QVERIFY(Hallar(d, "cheThumb")->isEnabled() && !Hallar<QCheckBox>(d, "cheThumb")->isChecked());
      QTest::keyClick(d, Qt::Key_Escape);
    });
    Disparar(&w, "imagen");
    QCOMPARE(w.ProyectoAbierto().thumbnails.Copiar, 0);
  }

  // The pop-up options: sizes emptied by a letter, the Si/No labels, the sizes
  // following "Centrar", required sizes, and the values written on "Aceptar".
  void opcionesDePopup() {
    Banco b;
    frmPrincipal w(b.entorno);
    bool abiertoSinAlto = false;
    AlAbrirse([&](QWidget* d) {
      auto* ancho = Caja(d, "txtAncho");
      auto* alto = Caja(d, "txtAlto");
      QCOMPARE(ancho->text(), QStringLiteral("800"));
      QCOMPARE(Hallar<QComboBox>(d, "cboAbrir")->currentText(), QStringLiteral("Link"));
      auto etiquetas = [d] {
        QString s;
        for (int i = 0; i < 6; ++i) s += Hallar<QLabel>(d, QString("chePoptxt%1").arg(i))->text();
        return s;
      };
      QCOMPARE(etiquetas(), QStringLiteral("SiNoNoNoNoSi"));
      Escribir(ancho, "10");
      QCOMPARE(ancho->text(), QStringLiteral("10"));
      QTest::keyClicks(ancho, "x");
      QCOMPARE(ancho->text(), QString());
      QTest::keyClicks(ancho, "1024");
      Pulsar(d, "chePopup2");
      QCOMPARE(etiquetas(), QStringLiteral("SiNoSiNoNoSi"));
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

  // Products per page: digits only, two at most, back to "10" when left empty.
  void productosPorPagina() {
    Banco b;
    frmPrincipal w(b.entorno);
    auto* txt = Caja(&w, "txtCantProd");
    Escribir(txt, "a1b234");
    QCOMPARE(txt->text(), QStringLiteral("12"));
    QCOMPARE(w.ProyectoAbierto().txtCantProd, std::string("12"));
    txt->clear();
    QTest::keyClick(txt, Qt::Key_Return);  // leaving the box finishes it the same way
    QCOMPARE(txt->text(), QStringLiteral("10"));
    QCOMPARE(w.ProyectoAbierto().txtCantProd, std::string("10"));
  }
};

}  // namespace vendaluz

QObject* CrearPruebaCarrito() { return new vendaluz::PruebaCarrito; }

#include "carrito_test.moc"
