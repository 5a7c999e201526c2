#include "model/ajustes.h"

#include <gtest/gtest.h>

#include <set>

namespace vendaluz {
namespace {

TEST(Ajustes, NamesReachTheRightSettings) {
  Proyecto p;
  EXPECT_TRUE(EstablecerAjuste(p, "meta tags.autor", "Ana"));
  EXPECT_EQ(p.metaTags.valor[0], "Ana");
  EXPECT_TRUE(EstablecerAjuste(p, "Formato.TamañoFuente", "14pt"));
  EXPECT_TRUE(EstablecerAjuste(p, "CSS.TamanoFuente1", "13pt"));
  EXPECT_EQ(p.formato.TamanoFuente, "14pt");
  EXPECT_EQ(p.css.TamanoFuente1, "13pt");
  EXPECT_TRUE(EstablecerAjuste(p, "Tajetas.Amex", "0"));
  EXPECT_EQ(p.tajetas.Amex, 0);
  EXPECT_TRUE(EstablecerAjuste(p, "Formato.Color5", "255"));
  EXPECT_EQ(ObtenerAjuste(p, "Formato.Color5"), "255");
  EXPECT_EQ(ObtenerAjuste(p, "Servidor.NoSS"), "True");
  EXPECT_EQ(ObtenerAjuste(p, "Productos.Imagen"), "1");
  EXPECT_EQ(ObtenerAjuste(p, "Correo.Email"), "");
  EXPECT_FALSE(ObtenerAjuste(p, "Tarjetas.Visa"));  // the file spells it "Tajetas"
  EXPECT_FALSE(EstablecerAjuste(p, "Formato", "x"));
}

TEST(Ajustes, ConversionsRefuseWhatIsNotOfTheirKind) {
  Proyecto p;
  EXPECT_FALSE(EstablecerAjuste(p, "Formato.CSS", "sí"));
  EXPECT_FALSE(EstablecerAjuste(p, "Formato.Color0", "#FFFFFF"));
  EXPECT_FALSE(EstablecerAjuste(p, "Servidor.SPG", "quizás"));
  EXPECT_EQ(p, Proyecto{});
  EXPECT_TRUE(EstablecerAjuste(p, "Formato.CSS", " 1 "));
  EXPECT_EQ(p.formato.CSS, 1);
  EXPECT_TRUE(EstablecerAjuste(p, "Popup.Barra2", "2"));
  EXPECT_EQ(p.popup.Barra2, 1);
}

TEST(Ajustes, AnOptionSetTrueClearsItsGroupOnly) {
  Proyecto p;
  EXPECT_TRUE(EstablecerAjuste(p, "Servidor.SSL", "true"));
  EXPECT_FALSE(p.servidor.NoSS);
  EXPECT_TRUE(p.servidor.SSL);
  EXPECT_TRUE(p.soporte.CGI);  // another group
  EXPECT_TRUE(EstablecerAjuste(p, "Soporte.PHP", "-1"));
  EXPECT_FALSE(p.soporte.CGI);
  EXPECT_TRUE(EstablecerAjuste(p, "Soporte.PHP", "False"));
  EXPECT_FALSE(p.soporte.CGI || p.soporte.ASP || p.soporte.PHP);
}

TEST(Ajustes, EveryStoredSettingIsListedOnce) {
  std::set<std::string> seen;
  int listas = 0;
  for (const Ajuste& a : Ajustes()) {
    if (a.clave.empty()) {
      ++listas;
      continue;
    }
    EXPECT_TRUE(seen.insert(std::string(a.seccion) + "." + std::string(a.clave)).second)
        << a.seccion << "." << a.clave;
  }
  EXPECT_EQ(listas, 3);
  EXPECT_EQ(seen.size(), 81u);
}

}  // namespace
}  // namespace vendaluz
