#!/usr/bin/env bash
# prefijo: cmake --install into a temporary DESTDIR, its menu entry and AppStream file
# validated; paquete (root only): the Debian package installed with dpkg, then removed.
# Both run the installed programs on the installed sample, as a new user would.
set -eu
modo=$1 build=$2 version=$3
tmp=$(mktemp -d) && trap 'rm -rf "$tmp"' EXIT
falla() { echo "FALLA: $*" >&2; exit 1; }

probar() {  # $1: the installed prefix
  "$1/bin/vendaluz-generar" --silencioso --salida "$tmp/tienda" "$1/share/vendaluz/ejemplo/tienda.ini"
  [ -s "$tmp/tienda/thumbnails/silla_pino.jpg" ] || falla "tienda de ejemplo sin sus miniaturas"
  # The card logos of a payment gateway come from the installed share/vendaluz/Codigo.
  sed 's/^NoSS=True/NoSS=False/; s/^SPG=False/SPG=True/; s/^Imagen=1/Imagen=0/' \
    "$1/share/vendaluz/ejemplo/tienda.ini" >"$tmp/pasarela.ini"
  "$1/bin/vendaluz-generar" --silencioso --salida "$tmp/pasarela" "$tmp/pasarela.ini"
  [ -s "$tmp/pasarela/visa.gif" ] || falla "tienda con pasarela sin los logos de las tarjetas"
  lista=$(XDG_DATA_HOME="$tmp/datos" QT_QPA_PLATFORM=offscreen timeout 60 "$1/bin/vendaluz" --listar)
  [ "$lista" = tienda ] || falla "lista de proyectos del programa instalado: «$lista»"
  [ -s "$tmp/datos/vendaluz/Proyectos/imagenes/silla_pino.jpg" ] || falla "ejemplo sin sus imágenes"
  [ ! -e "$1/bin/Proyectos" ] || falla "Proyectos junto al programa instalado"
}

case $modo in
  prefijo)
    DESTDIR="$tmp/raiz" cmake --install "$build" --prefix /usr >/dev/null
    desktop-file-validate "$tmp/raiz/usr/share/applications/vendaluz.desktop"
    appstreamcli validate --no-net "$tmp"/raiz/usr/share/metainfo/*.metainfo.xml >/dev/null
    probar "$tmp/raiz/usr"
    ;;
  paquete)
    [ "$(id -u)" -eq 0 ] || { echo "se omite: hace falta ser root"; exit 77; }
    if dpkg -s vendaluz >/dev/null 2>&1 || [ -e /usr/bin/vendaluz ]; then
      echo "se omite: ya hay un vendaluz instalado"; exit 77
    fi
    (cd "$tmp" && cpack --config "$build/CPackConfig.cmake" -B "$tmp/paquete" >/dev/null)
    deb="$tmp/paquete/vendaluz_${version}_$(dpkg --print-architecture).deb"
    dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || falla "sin las dependencias de dpkg-shlibdeps"
    trap 'dpkg -r vendaluz >/dev/null; rm -rf "$tmp"' EXIT
    dpkg -i "$deb" >/dev/null
    probar /usr
    dpkg -r vendaluz >/dev/null
    trap 'rm -rf "$tmp"' EXIT
    [ ! -e /usr/bin/vendaluz ] && [ ! -e /usr/share/vendaluz ] || falla "dpkg -r dejó archivos"
    ;;
esac
