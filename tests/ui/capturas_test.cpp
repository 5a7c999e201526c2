// Writes a picture of the main window on each of its pages and of each dialog into
// docs/screenshots, rendered offscreen. The clock is set to a fixed time so that the
// pictures change only when the windows do.
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "ayudas_prueba.h"
#include "model/archivo_proyecto.h"
#include "pruebas.h"
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

void Guardar(QWidget& w, const QString& nombre) {
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  if (auto* hora = w.findChild<QLabel*>("lblHora")) hora->setText(QStringLiteral("12:00"));
  const QPixmap imagen = w.grab();
  QVERIFY(!imagen.isNull());
  const QString ruta = QStringLiteral(VENDALUZ_CAPTURAS "/") + nombre + QStringLiteral(".png");
  QVERIFY2(imagen.save(ruta), qPrintable(ruta));
}

}  // namespace

class PruebaCapturas : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(QDir().mkpath(QStringLiteral(VENDALUZ_CAPTURAS))); }

  void ventanaPrincipal() {
    prueba::Banco b(kPrograma);
    Proyecto tienda;
    ContadorProyectos c;
    NuevoProyecto(tienda, c, b.proyectos().string());
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
  }

  void dialogos() {
    prueba::Banco b(kPrograma);
    Proyecto p;
    ContadorProyectos c;
    NuevoProyecto(p, c, "/tmp");
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

  void generacionYCategoria() {
    prueba::Banco b(kPrograma);
    Proyecto p;
    ContadorProyectos c;
    NuevoProyecto(p, c, b.proyectos().string());
    p.inicio.Nombre = "Tienda";
    p.productos = {{"Silla", "25.00", "", ""}};
    PreviewServer servidor;
    frmGenerar generar(p, b.entorno, servidor);
    generar.show();
    auto* cerrar = generar.findChild<QPushButton*>("cmdCancelar");
    QTRY_VERIFY_WITH_TIMEOUT(cerrar->isEnabled(), 20000);
    Guardar(generar, "generar");

    p.categoriaOpcion = 1;
    p.categoriaArchivo = "ofertas";
    p.categoriaCarpeta = (b.proyectos() / "Tienda").string();
    frmCategoria categoria(p, b.entorno);
    Guardar(categoria, "categoria");
  }
};

}  // namespace vendaluz

QObject* CrearPruebaCapturas() { return new vendaluz::PruebaCapturas; }

#include "capturas_test.moc"
