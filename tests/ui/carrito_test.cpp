// The " Carrito " page: the product list and its tool bar, the product dialog and
// its picture preview, the picture and pop-up options, and the products per page.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include "ayudas_prueba.h"
#include "model/archivo_proyecto.h"
#include "pruebas.h"
#include "ui/frmCarrito.h"
#include "ui/frmPrincipal.h"
#include "ui/pagina_carrito.h"

namespace vendaluz {
namespace {

using prueba::AlAbrirse;
using prueba::Banco;

template <typename T>
T* Hallar(QObject* raiz, const QString& nombre) {
  T* hallado = raiz->findChild<T*>(nombre);
  if (!hallado) qFatal("no hay control %s", qPrintable(nombre));
  return hallado;
}

PaginaCarrito* Pagina(frmPrincipal& w) { return Hallar<PaginaCarrito>(&w, "Bloque3"); }

std::vector<std::string> Nombres(const frmPrincipal& w) {
  std::vector<std::string> n;
  for (const Producto& p : w.ProyectoAbierto().productos) n.push_back(p.Nombre);
  return n;
}

// Fills the open product dialog and presses "Aceptar"; true when it closed.
bool Llenar(QWidget* dialogo, const QString& nombre, const QString& precio, const QString& des) {
  auto* producto = Hallar<QLineEdit>(dialogo, "txtProducto");
  producto->clear();
  producto->insert(nombre);  // Qt Test types only ASCII
  auto* txtPrecio = Hallar<QLineEdit>(dialogo, "txtPrecio");
  txtPrecio->clear();
  QTest::keyClicks(txtPrecio, precio);
  Hallar<QPlainTextEdit>(dialogo, "txtDes")->setPlainText(des);
  QTest::mouseClick(Hallar<QPushButton>(dialogo, "cmdAceptar"), Qt::LeftButton);
  return !dialogo->isVisible();
}

void AgregarProducto(frmPrincipal& w, const QString& nombre) {
  AlAbrirse([&](QWidget* d) { Llenar(d, nombre, "10", "Algo"); });
  Pagina(w)->Agregar();
}

frmPrincipal* ConProductos(Banco& b, int n) {
  auto* w = new frmPrincipal(b.entorno);
  for (int i = 1; i <= n; ++i) AgregarProducto(*w, QStringLiteral("P%1").arg(i));
  return w;
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
    auto* editar = Hallar<QAction>(&w, "modificar");
    auto* eliminar = Hallar<QAction>(&w, "quitar");
    QVERIFY(!editar->isEnabled() && !eliminar->isEnabled());

    bool abiertoSinDescripcion = false;
    QString marco;
    AlAbrirse([&](QWidget* d) {
      marco = Hallar<QGroupBox>(d, "fraCarrito")->title();
      abiertoSinDescripcion = !Llenar(d, "Silla", "25", "");
      // Enter in a one-line box accepts once everything is there.
      Hallar<QPlainTextEdit>(d, "txtDes")->setPlainText("De pino\nHecha a mano");
      QTest::keyClick(Hallar<QLineEdit>(d, "txtProducto"), Qt::Key_Return);
    });
    Pagina(w)->Agregar();
    QCOMPARE(marco, QStringLiteral("Agregar"));
    QVERIFY(abiertoSinDescripcion);
    QCOMPARE(w.ProyectoAbierto().productos,
             (std::vector<Producto>{{"Silla", "25", "De pino\nHecha a mano", ""}}));
    QVERIFY(editar->isEnabled() && eliminar->isEnabled());

    AlAbrirse([](QWidget* d) {
      QTest::keyClicks(Hallar<QLineEdit>(d, "txtProducto"), "Mesa");
      QTest::keyClick(d, Qt::Key_Escape);
    });
    Pagina(w)->Agregar();
    QCOMPARE(w.ProyectoAbierto().productos.size(), std::size_t{1});

    // Delete on the list removes the selected product, as "Eliminar" does.
    auto* lista = Hallar<QTreeView>(&w, "lstCarrito");
    QTest::keyClick(lista, Qt::Key_Delete);
    QVERIFY(w.ProyectoAbierto().productos.empty());
    QVERIFY(!editar->isEnabled() && !eliminar->isEnabled());
    AgregarProducto(w, "Banco");
    QVERIFY(editar->isEnabled() && eliminar->isEnabled());

    // The right mouse button over the list pops up the "Proyecto" menu.
    w.show();
    emit lista->customContextMenuRequested(QPoint(10, 10));
    QWidget* menu = QApplication::activePopupWidget();
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QStringLiteral("mnuProyecto"));
    menu->close();
  }

  // Editing keeps the product's place; the dialog shows the product with its name
  // selected; the description keeps its line breaks through saving and opening.
  void editarConservaElLugar() {
    Banco b;
    std::unique_ptr<frmPrincipal> w(ConProductos(b, 5));
    auto* lista = Hallar<QTreeView>(w.get(), "lstCarrito");
    lista->setCurrentIndex(lista->model()->index(2, 0));
    QString marco, seleccion;
    AlAbrirse([&](QWidget* d) {
      marco = Hallar<QGroupBox>(d, "fraCarrito")->title();
      seleccion = Hallar<QLineEdit>(d, "txtProducto")->selectedText();
      Llenar(d, "Sillón", "99.90", "Línea 1\nLínea 2");
    });
    Hallar<QAction>(w.get(), "modificar")->trigger();
    QCOMPARE(marco, QStringLiteral("Editar"));
    QCOMPARE(seleccion, QStringLiteral("P3"));
    QCOMPARE(Nombres(*w), (std::vector<std::string>{"P1", "P2", "Sillón", "P4", "P5"}));
    QCOMPARE(Pagina(*w)->Seleccionada(), 2);

    b.dialogos.archivos = {QString::fromStdString((b.proyectos() / "Tienda.ini").string())};
    QVERIFY(w->GuardarProyecto());
    frmPrincipal otra(b.entorno);
    otra.AbrirDeLista(b.proyectos() / "Tienda.ini");
    QCOMPARE(otra.ProyectoAbierto().productos[2],
             (Producto{"Sillón", "99.90", "Línea 1\nLínea 2", ""}));
    QCOMPARE(Hallar<QTreeView>(&otra, "lstCarrito")->model()->rowCount(), 5);
  }

  // Moves at the ends change nothing; a moved product stays selected; the icon view
  // disables the moves.
  void subirYBajar() {
    Banco b;
    std::unique_ptr<frmPrincipal> w(ConProductos(b, 3));
    auto* pagina = Pagina(*w);
    auto* lista = Hallar<QTreeView>(w.get(), "lstCarrito");
    lista->setCurrentIndex(lista->model()->index(0, 0));
    pagina->Subir();
    QCOMPARE(Nombres(*w), (std::vector<std::string>{"P1", "P2", "P3"}));
    pagina->Bajar();
    pagina->Bajar();
    QCOMPARE(Nombres(*w), (std::vector<std::string>{"P2", "P3", "P1"}));
    QCOMPARE(pagina->Seleccionada(), 2);
    pagina->Bajar();
    QCOMPARE(Nombres(*w), (std::vector<std::string>{"P2", "P3", "P1"}));
    Hallar<QAction>(pagina, "subir")->trigger();
    QCOMPARE(Nombres(*w), (std::vector<std::string>{"P2", "P1", "P3"}));
    QCOMPARE(lista->currentIndex().data().toString(), QStringLiteral("P1"));

    Hallar<QCheckBox>(w.get(), "cheDeta")->click();
    QVERIFY(!Hallar<QAction>(pagina, "subir")->isEnabled());
    QVERIFY(!Hallar<QAction>(pagina, "bajar")->isEnabled());
    pagina->Subir();
    QCOMPARE(Nombres(*w), (std::vector<std::string>{"P2", "P1", "P3"}));
    Hallar<QCheckBox>(w.get(), "cheDeta")->click();
    QVERIFY(Hallar<QAction>(pagina, "subir")->isEnabled());
  }

  // The price box takes a plain decimal number; a comma is entered as a point; an
  // older price that is not a number is shown as it is.
  void precio() {
    Banco b;
    struct Caso {
      const char* tecleado;
      const char* queda;
    } casos[] = {{"12,50", "12.50"}, {"1a2.3.4", "12.34"}, {"$10", "10"},
                 {",5", ".5"},       {"1 000", "1000"},    {"9,9,9", "9.99"}};
    for (const Caso& c : casos) {
      frmCarrito d(frmCarrito::Modo::kAgregar, {}, true, b.dialogos);
      auto* txt = Hallar<QLineEdit>(&d, "txtPrecio");
      QTest::keyClicks(txt, c.tecleado);
      QCOMPARE(txt->text(), QString::fromLatin1(c.queda));
    }
    frmCarrito d(frmCarrito::Modo::kModificar, {"Silla", "$10", "De pino", ""}, true, b.dialogos);
    auto* txt = Hallar<QLineEdit>(&d, "txtPrecio");
    QCOMPARE(txt->text(), QStringLiteral("$10"));
    // A separator may replace a selected one.
    txt->setText("1.5");
    txt->setSelection(1, 1);
    QTest::keyClicks(txt, ",");
    QCOMPARE(txt->text(), QStringLiteral("1.5"));
  }

  // Pictures off: header, tool-bar and menu entries, the Generar folders and a
  // product dialog without its picture row.
  void imagenesEncendidasYApagadas() {
    Banco b;
    frmPrincipal w(b.entorno);
    auto* lista = Hallar<QTreeView>(&w, "lstCarrito");
    auto encabezado = [lista] { return lista->model()->headerData(3, Qt::Horizontal).toString(); };
    QCOMPARE(encabezado(), QStringLiteral("Imagen"));
    QVERIFY(Hallar<QAction>(&w, "mnuImagenes")->isEnabled());
    QVERIFY(Hallar<QAction>(&w, "mnuPopup")->isEnabled());
    auto* gImagenes = Hallar<QLineEdit>(&w, "txtGImagenes");

    Hallar<QCheckBox>(&w, "cheImagen")->click();
    QCOMPARE(w.ProyectoAbierto().productosImagen, 0);
    QCOMPARE(encabezado(), QStringLiteral("Sin Imagen"));
    for (const char* n : {"imagen", "opciones", "mnuImagenes", "mnuPopup"}) {
      QVERIFY2(!Hallar<QAction>(&w, n)->isEnabled(), n);
    }
    QVERIFY(gImagenes->text().isEmpty() && !gImagenes->isEnabled());
    QVERIFY(Hallar<QLineEdit>(&w, "txtGThumbs")->text().isEmpty());

    bool filaVisible = true;
    AlAbrirse([&](QWidget* d) {
      filaVisible = Hallar<QLineEdit>(d, "txtImagen")->isVisible() ||
                    Hallar<QPushButton>(d, "cmdBuscar")->isVisible();
      Llenar(d, "Silla", "10", "De pino");
    });
    Pagina(w)->Agregar();
    QVERIFY(!filaVisible);
    QCOMPARE(w.ProyectoAbierto().productos.at(0).Imagen, std::string());

    Hallar<QCheckBox>(&w, "cheImagen")->click();
    QCOMPARE(encabezado(), QStringLiteral("Imagen"));
    for (const char* n : {"imagen", "opciones", "mnuImagenes", "mnuPopup"}) {
      QVERIFY2(Hallar<QAction>(&w, n)->isEnabled(), n);
    }
    QVERIFY(gImagenes->text().endsWith("imagenes") && gImagenes->isEnabled());
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
    QCOMPARE(TituloVista(ruta), QStringLiteral("mesa"));

    frmCarrito d(frmCarrito::Modo::kAgregar, {}, true, b.dialogos);
    auto* vista = Hallar<QPushButton>(&d, "cmdVista");
    QVERIFY(!vista->isEnabled());
    b.dialogos.archivos = {std::nullopt, ruta};
    QTest::mouseClick(Hallar<QPushButton>(&d, "cmdBuscar"), Qt::LeftButton);
    QVERIFY(!vista->isEnabled());
    QTest::mouseClick(Hallar<QPushButton>(&d, "cmdBuscar"), Qt::LeftButton);
    const QString filtro = b.dialogos.Ultima("abrir")->filtro;
    for (const char* p : {"*.jpg", "*.jpeg", "*.gif", "*.png"}) QVERIFY2(filtro.contains(p), p);
    QCOMPARE(Hallar<QLineEdit>(&d, "txtImagen")->text(), ruta);
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

    // A picture that is gone: nothing opens.
    QFile::remove(ruta);
    QString modal;
    AlAbrirse([&](QWidget* v) {
      modal = v->objectName();
      static_cast<QDialog*>(v)->reject();
    });
    QTest::mouseClick(vista, Qt::LeftButton);
    QTRY_VERIFY(!modal.isEmpty());
    QCOMPARE(modal, QStringLiteral("frmCarrito"));  // no preview on top of it
  }

  // The picture options: the cascades of the check boxes, the required sizes with
  // thumbnails on, and nothing written on "Cancelar".
  void opcionesDeImagenes() {
    Banco b;
    frmPrincipal w(b.entorno);
    const Proyecto antes = w.ProyectoAbierto();
    AlAbrirse([](QWidget* d) {
      auto* copiar = Hallar<QCheckBox>(d, "cheCopiarImg");
      auto* thumb = Hallar<QCheckBox>(d, "cheThumb");
      QVERIFY(thumb->isChecked() && thumb->isEnabled());
      QVERIFY(Hallar<QLineEdit>(d, "txtRutaImg")->text().endsWith("imagenes"));
      copiar->click();
      QVERIFY(!thumb->isChecked() && !thumb->isEnabled());
      QVERIFY(Hallar<QLineEdit>(d, "txtRutaImg")->text().isEmpty());
      QVERIFY(!Hallar<QCheckBox>(d, "cheTGenerar")->isEnabled());
      QVERIFY(!Hallar<QLineEdit>(d, "txtTAncho")->isEnabled());
      QTest::mouseClick(Hallar<QPushButton>(d, "cmdCancelar"), Qt::LeftButton);
    });
    Hallar<QAction>(&w, "mnuImagenes")->trigger();
    QCOMPARE(w.ProyectoAbierto(), antes);

    bool abiertoSinAncho = false;
    AlAbrirse([&](QWidget* d) {
      auto* generar = Hallar<QCheckBox>(d, "cheTGenerar");
      auto* ancho = Hallar<QLineEdit>(d, "txtTAncho");
      QVERIFY(generar->isChecked() && !ancho->isEnabled());
      generar->click();
      QVERIFY(ancho->isEnabled());
      ancho->clear();
      QTest::keyClicks(ancho, "4x5y6");
      QCOMPARE(ancho->text(), QStringLiteral("45"));
      ancho->clear();
      QTest::mouseClick(Hallar<QPushButton>(d, "cmdAceptar"), Qt::LeftButton);
      abiertoSinAncho = d->isVisible();
      QTest::keyClicks(ancho, "80");
      QTest::mouseClick(Hallar<QPushButton>(d, "cmdAceptar"), Qt::LeftButton);
    });
    Hallar<QAction>(&w, "imagen")->trigger();
    QVERIFY(abiertoSinAncho);
    QCOMPARE(w.ProyectoAbierto().thumbnails.TAncho, std::string("80"));
    QCOMPARE(w.ProyectoAbierto().thumbnails.TGenerar, 0);

    // Copying off is written with thumbnails off, and the Generar page follows.
    AlAbrirse([](QWidget* d) {
      Hallar<QCheckBox>(d, "cheCopiarImg")->click();
      QTest::mouseClick(Hallar<QPushButton>(d, "cmdAceptar"), Qt::LeftButton);
    });
    Hallar<QAction>(&w, "imagen")->trigger();
    QCOMPARE(w.ProyectoAbierto().thumbnails.Copiar, 0);
    QCOMPARE(w.ProyectoAbierto().thumbnails.Mostrar, 0);
    QVERIFY(Hallar<QLineEdit>(&w, "txtGImagenes")->text().isEmpty());
    QVERIFY(Hallar<QLineEdit>(&w, "txtGThumbs")->text().isEmpty());
    // Copying on again offers thumbnails with the stored setting (off).
    AlAbrirse([](QWidget* d) {
      Hallar<QCheckBox>(d, "cheCopiarImg")->click();
      QVERIFY(Hallar<QCheckBox>(d, "cheThumb")->isEnabled());
      QVERIFY(!Hallar<QCheckBox>(d, "cheThumb")->isChecked());
      QTest::keyClick(d, Qt::Key_Escape);
    });
    Hallar<QAction>(&w, "imagen")->trigger();
    QCOMPARE(w.ProyectoAbierto().thumbnails.Copiar, 0);
  }

  // The pop-up options: sizes emptied by a letter, the Si/No labels, the sizes
  // following "Centrar", required sizes, and the values written on "Aceptar".
  void opcionesDePopup() {
    Banco b;
    frmPrincipal w(b.entorno);
    bool abiertoSinAlto = false;
    AlAbrirse([&](QWidget* d) {
      auto* ancho = Hallar<QLineEdit>(d, "txtAncho");
      QCOMPARE(ancho->text(), QStringLiteral("800"));
      QCOMPARE(Hallar<QComboBox>(d, "cboAbrir")->currentText(), QStringLiteral("Link"));
      const char* esperados[] = {"Si", "No", "No", "No", "No", "Si"};
      for (int i = 0; i < 6; ++i) {
        QCOMPARE(Hallar<QLabel>(d, QStringLiteral("chePoptxt%1").arg(i))->text(),
                 QString::fromLatin1(esperados[i]));
      }
      ancho->clear();
      QTest::keyClicks(ancho, "10");
      QCOMPARE(ancho->text(), QStringLiteral("10"));
      QTest::keyClicks(ancho, "x");
      QCOMPARE(ancho->text(), QString());
      QTest::keyClicks(ancho, "1024");
      Hallar<QCheckBox>(d, "chePopup2")->click();
      QCOMPARE(Hallar<QLabel>(d, "chePoptxt2")->text(), QStringLiteral("Si"));
      auto* centrar = Hallar<QCheckBox>(d, "chePopup5");
      centrar->click();
      QVERIFY(!ancho->isEnabled() && !Hallar<QLineEdit>(d, "txtAlto")->isEnabled());
      centrar->click();
      QVERIFY(ancho->isEnabled());
      Hallar<QLineEdit>(d, "txtAlto")->clear();
      QTest::mouseClick(Hallar<QPushButton>(d, "cmdAceptar"), Qt::LeftButton);
      abiertoSinAlto = d->isVisible();
      QTest::keyClicks(Hallar<QLineEdit>(d, "txtAlto"), "700");
      Hallar<QComboBox>(d, "cboAbrir")->setCurrentText("Botón");
      QTest::keyClick(Hallar<QLineEdit>(d, "txtAlto"), Qt::Key_Return);
    });
    Hallar<QAction>(&w, "mnuPopup")->trigger();
    QVERIFY(abiertoSinAlto);
    const auto& o = w.ProyectoAbierto().popup;
    QCOMPARE(o.Ancho, std::string("1024"));
    QCOMPARE(o.Alto, std::string("700"));
    QCOMPARE(o.Abrir, std::string("Botón"));
    QCOMPARE((std::array{o.Barra1, o.Barra2, o.Barra3, o.Barra4, o.Barra5, o.Centrar}),
             (std::array{1, 0, 1, 0, 0, 1}));
  }

  // Products per page: digits only, two at most, back to "10" when left empty.
  void productosPorPagina() {
    Banco b;
    frmPrincipal w(b.entorno);
    auto* txt = Hallar<QLineEdit>(&w, "txtCantProd");
    txt->selectAll();
    QTest::keyClicks(txt, "a1b234");
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
