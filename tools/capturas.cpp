// Writes a picture of the main window on each of its pages and of each dialog into
// the folder it is given (scripts/capturas: docs/screenshots), rendered offscreen.
// The clock is set to a fixed time so that the pictures change only when the windows
// do. Not a test: it only draws.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "ayudas_prueba.h"
#include "model/archivo_proyecto.h"
#include "ui/frmASP.h"
#include "ui/frmAcerca.h"
#include "ui/frmAyuda.h"
#include "ui/frmCGI.h"
#include "ui/frmCSS.h"
#include "ui/frmCampos.h"
#include "ui/frmCarrito.h"
#include "ui/frmCategoria.h"
#include "ui/frmExaminar.h"
#include "ui/frmFormulario.h"
#include "ui/frmGenerar.h"
#include "ui/frmImagen.h"
#include "ui/frmMeta.h"
#include "ui/frmOpciones.h"
#include "ui/frmPrincipal.h"
#include "ui/frmReporte.h"
#include "ui/frmSplash.h"

namespace vendaluz {
namespace {

// A fixed program folder, so that the folders the pages show are the same each time.
const QString kPrograma = QStringLiteral("/var/tmp/vendaluz-capturas/Vendaluz");

QString carpeta;
int fallos = 0;

// The test bench of the windows, in the fixed program folder.
struct Banco {
  ~Banco() { QDir(kPrograma).removeRecursively(); }
  // First, so that the folder is fresh before the workspace is made in it.
  bool fresca = QDir(kPrograma).removeRecursively() && QDir().mkpath(kPrograma);
  prueba::DialogosPrueba dialogos;
  prueba::AbridorPrueba abridor;
  Entorno entorno{PrepararEspacio(ARuta(kPrograma), ARuta(kPrograma) / "datos"), dialogos,
                  abridor};
  std::filesystem::path proyectos() const { return entorno.espacio.proyectos; }
};

void Guardar(QWidget& w, const QString& nombre) {
  w.show();
  (void)QTest::qWaitForWindowExposed(&w);
  if (auto* hora = w.findChild<QLabel*>("lblHora")) hora->setText(QStringLiteral("12:00"));
  const QString ruta = carpeta + "/" + nombre + QStringLiteral(".png");
  if (!w.grab().save(ruta)) {
    std::fprintf(stderr, "No se pudo escribir %s\n", qPrintable(ruta));
    ++fallos;
  }
}

// A new project as the program makes it, its folders under carpetaProyectos.
Proyecto Nuevo(const std::string& carpetaProyectos) {
  Proyecto p;
  ContadorProyectos c;
  NuevoProyecto(p, c, carpetaProyectos);
  return p;
}

void CapturarPrincipal() {
  Banco b;
  Proyecto tienda = Nuevo(b.proyectos().string());
  tienda.inicio.Nombre = "Tienda";
  tienda.inicio.Descripcion = "Muebles de pino hechos a mano";
  tienda.productos = {{"Silla", "25.00", "Silla de pino", "fotos/silla.jpg"},
                      {"Mesa", "80.00", "Mesa de pino para seis", "fotos/mesa.jpg"},
                      {"Banco", "15.50", "Banco bajo", ""}};
  GuardarProyecto(tienda, b.proyectos() / "Tienda.ini");
  frmPrincipal w(b.entorno);
  b.dialogos.respuestas = {Respuesta::kNo};
  w.AbrirDeLista(b.proyectos() / "Tienda.ini");
  auto* tab = w.findChild<QTabWidget*>("SSTab");
  const char* nombres[] = {"principal-inicio",  "principal-formato",    "principal-meta-tags",
                           "principal-carrito", "principal-formulario", "principal-servidor",
                           "principal-generar"};
  for (int i = 0; i < tab->count(); ++i) {
    tab->setCurrentIndex(i);
    Guardar(w, QString::fromLatin1(nombres[i]));
  }
  // The Servidor page's money frame, with a Spanish shop's format.
  tab->setCurrentIndex(5);
  auto* simbolo = w.findChild<QLineEdit*>("txtSimbolo");
  simbolo->setText(QStringLiteral("€"));
  emit simbolo->textEdited(simbolo->text());
  auto* formato = w.findChild<QComboBox*>("cboFormato");
  formato->setCurrentIndex(formato->count() - 1);
  emit formato->activated(formato->currentIndex());
  w.findChild<QComboBox*>("cboPago")->setCurrentIndex(2);
  Guardar(w, QStringLiteral("principal-servidor-moneda"));
}

void CapturarDialogos() {
  Banco b;
  Proyecto p = Nuevo("/tmp");
  frmReporte incompleto(p);
  Guardar(incompleto, "reporte-incompleto");
  p.productos.assign(4, {"Silla", "25.00", "De pino", ""});
  p.servidor.Redireccionar = "http://www.example.com/gracias.htm";
  p.correoEmail = "ventas@example.com";
  frmReporte completo(p);
  Guardar(completo, "reporte-completo");

  frmExaminar examinar(b.entorno, frmExaminar::Modo::kCarpetaProyecto, "Tienda");
  Guardar(examinar, "examinar");
  frmAcerca acerca(b.abridor);
  Guardar(acerca, "acerca");
  frmAyuda ayuda(b.abridor);
  Guardar(ayuda, "ayuda");
  frmSplash splash(nullptr);
  Guardar(splash, "splash");

  frmCarrito carrito(frmCarrito::Modo::kModificar,
                     {"Silla", "25.00", "Silla de pino\nHecha a mano", "/fotos/silla.jpg"}, true,
                     b.dialogos);
  Guardar(carrito, "carrito-producto");
  frmImagen imagenes(p, QStringLiteral("Proyectos/Tienda/imagenes"));
  Guardar(imagenes, "carrito-imagenes");
  frmOpciones opciones(p);
  Guardar(opciones, "carrito-opciones");
  frmFormulario campo(frmFormulario::Modo::kEditar, {"Código Postal", "cp", "34"});
  Guardar(campo, "formulario-campo");
  frmCGI cgi(p, b.dialogos);
  Guardar(cgi, "servidor-cgi");
  frmASP asp(p);
  Guardar(asp, "servidor-asp");
  p.camposOcultos = {"<input type=\"hidden\" name=\"tienda\" value=\"42\">"};
  frmCampos campos(p, b.dialogos);
  Guardar(campos, "servidor-campos-ocultos");
  frmCSS css(p, b.dialogos);
  Guardar(css, "formato-hoja-de-estilo");
  frmMeta meta(QStringLiteral(" Autor"), QStringLiteral("Ana Gil"));
  Guardar(meta, "meta-tag");
}

void CapturarGeneracion() {
  Banco b;
  Proyecto p = Nuevo(b.proyectos().string());
  p.inicio.Nombre = "Tienda";
  p.productos = {{"Silla", "25.00", "", ""}};
  PreviewServer servidor;
  frmGenerar generar(p, b.entorno, servidor);
  generar.show();
  auto* cerrar = generar.findChild<QPushButton*>("cmdCancelar");
  for (int i = 0; i < 2000 && !cerrar->isEnabled(); ++i) QTest::qWait(10);
  Guardar(generar, "generar");

  p.categoriaOpcion = 1;
  p.categoriaArchivo = "ofertas";
  p.categoriaCarpeta = (b.proyectos() / "Tienda").string();
  frmCategoria categoria(p, b.entorno);
  Guardar(categoria, "categoria");
}

}  // namespace
}  // namespace vendaluz

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  // The windows get their default sizes, whatever this user's program remembers.
  QTemporaryDir ajustes;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ajustes.path());
  if (argc != 2) {
    std::fprintf(stderr, "uso: capturas CARPETA\n");
    return 2;
  }
  vendaluz::carpeta = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(vendaluz::carpeta);
  vendaluz::CapturarPrincipal();
  vendaluz::CapturarDialogos();
  vendaluz::CapturarGeneracion();
  return vendaluz::fallos == 0 ? 0 : 1;
}
