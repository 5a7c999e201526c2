#include "platform/ini.h"

#include <gtest/gtest.h>

namespace vendaluz {
namespace {

TEST(IniFile, ReadsByTheProfileRules) {
  const IniFile ini = IniFile::Parse(
      "ignored=before any section\r\n"
      "[ Meta Tags ]\r\n"
      "  AUTOR  =  Ana  \r\n"
      "\r\n"
      "Palabras='uno'\r\n"
      "Tipo=\"sin cierre\r\n"
      "Volver=\"\r\n"
      "junk line without equals\r\n"
      "[Formato]\n"
      "Tama\xF1oFuente=12pt\n"
      "Fuente=Arial\n"
      "Fuente=Verdana\n"
      "[formato]\n"
      "Titulo0=segunda sección\n");
  EXPECT_EQ(ini.Get("meta tags", "autor"), "Ana");
  EXPECT_EQ(ini.Get("Meta Tags", "Palabras"), "uno");
  EXPECT_EQ(ini.Get("Meta Tags", "Tipo"), "\"sin cierre");
  EXPECT_EQ(ini.Get("Meta Tags", "Volver"), "\"");
  EXPECT_EQ(ini.Get("FORMATO", "TAMAÑOFUENTE"), "12pt");
  EXPECT_EQ(ini.Get("Formato", "Fuente"), "Arial");  // the first of two wins
  EXPECT_FALSE(ini.Get("Formato", "Titulo0"));       // so does the first section
  EXPECT_FALSE(ini.Get("", "ignored"));
  EXPECT_FALSE(ini.Get("Nada", "Autor"));
}

// Each value comes back exactly; where a form is given, it is also how the value is
// written: plain values as they are, the others escaped.
TEST(IniFile, ValuesComeBackExactlyAndPlainOnesAreWrittenAsTheyAre) {
  const std::pair<std::string, const char*> values[] = {
      {"", ""},
      {"C:\\fotos\\nuevo\\silla.jpg", "C:\\fotos\\nuevo\\silla.jpg"},
      {" a", "\\\" a\""},
      {"Ω", "\\\"\\u{3A9}\""},
      {"  blanks at both ends\t", nullptr},
      {"\"quoted\"", nullptr},
      {"'single'", nullptr},
      {"\"", nullptr},
      {"line one\r\nline two\nline three\r", nullptr},
      {"\\\"looks like our escape\"", nullptr},
      {"\\\"", nullptr},
      {"Ωmega ☃ 😀 and € ñ", nullptr},
      {"bad \xFF utf8 \xC3", nullptr},
      {"ends with backslash \\", nullptr},
      {std::string(5000, 'x'), nullptr},
  };
  IniFile ini;
  for (std::size_t k = 0; k < std::size(values); ++k) {
    ini.Set("S", "K" + std::to_string(k), values[k].first);
    if (values[k].second) {
      EXPECT_EQ(IniFile::EncodeValue(values[k].first), values[k].second);
    }
  }
  const IniFile back = IniFile::Parse(ini.Serialize());
  for (std::size_t k = 0; k < std::size(values); ++k) {
    EXPECT_EQ(back.Get("S", "K" + std::to_string(k)), values[k].first) << values[k].first;
  }
  // A file written by hand with a backslash sequence that is not ours keeps it.
  EXPECT_EQ(IniFile::DecodeValue("\\\"C:\\temp\\q\""), "C:\\temp\\q");
  EXPECT_EQ(IniFile::DecodeValue("\\\"\\u{110000}\\x{100}\""), "\\u{110000}\\x{100}");
}

TEST(IniFile, ChangesInPlaceAndKeepsWhatItDoesNotKnow) {
  IniFile ini = IniFile::Parse(
      "; a comment\r\n"
      "[Inicio]\r\n"
      "Nombre=Viejo\r\n"
      "Extra=de otro programa\r\n"
      "\r\n"
      "[Propia]\r\n"
      "Clave=valor\r\n");
  ini.Set("inicio", "NOMBRE", "Nuevo");
  ini.Set("Inicio", "Descripcion", "Tienda");
  ini.Set("Formato", "Fuente", "Arial");
  ini.SetRaw("Productos", "Cantidad", " 2");
  EXPECT_EQ(ini.Serialize(),
            "; a comment\r\n"
            "[Inicio]\r\n"
            "NOMBRE=Nuevo\r\n"
            "Extra=de otro programa\r\n"
            "Descripcion=Tienda\r\n"
            "\r\n"
            "[Propia]\r\n"
            "Clave=valor\r\n"
            "\r\n"
            "[Formato]\r\n"
            "Fuente=Arial\r\n"
            "\r\n"
            "[Productos]\r\n"
            "Cantidad= 2\r\n");
}

}  // namespace
}  // namespace vendaluz
