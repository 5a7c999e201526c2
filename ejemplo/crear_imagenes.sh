#!/usr/bin/env bash
# Draws the pictures of the sample store with ImageMagick (run once by hand; the
# pictures are committed). Simple scenes: a wall, a floor, the object in its colour.
set -euo pipefail
cd "$(dirname "$0")/imagenes"
IM=/usr/bin/convert
[ -x "$IM" ] || IM=convert

# escena ARCHIVO ANCHO ALTO COLOR FORMA [calidad]
escena() {
  local archivo=$1 w=$2 h=$3 color=$4 forma=$5 q=${6:-82}
  local cx=$((w / 2)) piso=$((h * 7 / 10)) u=$((h / 10))
  local dibujo
  case "$forma" in
    silla) dibujo="rectangle $((cx-2*u)),$((piso-6*u)) $((cx-u*3/2)),$((piso)) rectangle $((cx-2*u)),$((piso-3*u)) $((cx+2*u)),$((piso-5*u/2)) rectangle $((cx+3*u/2)),$((piso-3*u)) $((cx+2*u)),$((piso))" ;;
    mesa) dibujo="rectangle $((cx-4*u)),$((piso-4*u)) $((cx+4*u)),$((piso-7*u/2)) rectangle $((cx-7*u/2)),$((piso-4*u)) $((cx-3*u)),$((piso)) rectangle $((cx+3*u)),$((piso-4*u)) $((cx+7*u/2)),$((piso))" ;;
    lampara) dibujo="polygon $((cx-3*u/2)),$((piso-6*u)) $((cx+3*u/2)),$((piso-6*u)) $((cx+2*u)),$((piso-4*u)) $((cx-2*u)),$((piso-4*u)) rectangle $((cx-u/8)),$((piso-4*u)) $((cx+u/8)),$((piso)) ellipse $cx,$piso $u,$((u/4)) 0,360" ;;
    estante) dibujo="rectangle $((cx-3*u)),$((piso-6*u)) $((cx-5*u/2)),$piso rectangle $((cx+5*u/2)),$((piso-6*u)) $((cx+3*u)),$piso rectangle $((cx-3*u)),$((piso-6*u)) $((cx+3*u)),$((piso-11*u/2)) rectangle $((cx-3*u)),$((piso-4*u)) $((cx+3*u)),$((piso-7*u/2)) rectangle $((cx-3*u)),$((piso-2*u)) $((cx+3*u)),$((piso-3*u/2))" ;;
    redondo) dibujo="ellipse $cx,$((piso-2*u)) $((3*u/2)),$((2*u)) 0,360 rectangle $((cx-u/2)),$((piso-5*u)) $((cx+u/2)),$((piso-3*u))" ;;
    plano) dibujo="polygon $((cx-5*u)),$((piso+2*u)) $((cx+3*u)),$((piso+2*u)) $((cx+5*u)),$((piso)) $((cx-3*u)),$((piso))" ;;
    caja) dibujo="rectangle $((cx-2*u)),$((piso-3*u)) $((cx+2*u)),$piso rectangle $((cx-9*u/4)),$((piso-7*u/2)) $((cx+9*u/4)),$((piso-3*u))" ;;
    cuadro) dibujo="rectangle $((cx-3*u)),$((piso-6*u)) $((cx+3*u)),$((piso-2*u))" ;;
  esac
  $IM -size "${w}x$((piso))" gradient:'#f3ece1'-'#d9cbb5' \
      -size "${w}x$((h - piso))" gradient:'#b89c7a'-'#7d6248' -append \
      -fill '#00000030' -draw "ellipse $cx,$((piso + u / 3)) $((3 * u)),$((u / 2)) 0,360" \
      -fill "$color" -draw "$dibujo" \
      -attenuate 0.35 +noise Gaussian -blur 0x0.8 -quality "$q" "$archivo"
}

# dibujo ARCHIVO COLOR FORMA: a flat illustration as GIF
dibujo() {
  local archivo=$1 color=$2 forma=$3
  escena /tmp/vendaluz-dibujo.png 320 240 "$color" "$forma"
  $IM /tmp/vendaluz-dibujo.png -colors 24 "$archivo"
  rm -f /tmp/vendaluz-dibujo.png
}

escena silla_pino.jpg 480 360 '#c8945a' silla
escena mesa_roble.jpg 1600 1200 '#7a5230' mesa 80
escena lampara_pie.jpg 480 360 '#e8d9a0' lampara
escena estanteria_haya.jpg 480 360 '#d2a56e' estante
escena taburete_alto.jpg 360 480 '#5b3a24' silla
escena banco_jardin.jpg 1600 1200 '#4f6b3a' mesa 80
dibujo cojin_lino.gif '#d8c8a8' caja
escena manta_lana.jpg 480 360 '#a23b2c' plano
escena jarron_ceramica.jpg 360 480 '#3a6ea5' redondo
dibujo cesta_mimbre.gif '#b88a4a' caja
escena espejo_redondo.jpg 480 480 '#9fb4c0' redondo
dibujo reloj_pared.gif '#2f2f2f' redondo
escena perchero_nogal.jpg 360 480 '#5a3b22' lampara
escena alfombra_yute.jpg 640 480 '#c2a36b' plano
dibujo vela_aromatica.gif '#efe3c8' redondo
escena tabla_cortar.jpg 480 360 '#b07a45' plano
escena tazas.jpg 480 360 '#ffffff' caja
dibujo macetero_barro.gif '#b5562e' redondo
escena cortina_algodon.jpg 360 480 '#e6e0d4' cuadro
escena caja_costura.jpg 480 360 '#8a4f6e' caja
dibujo portarretratos.gif '#6d5a4a' cuadro
escena mecedora_ratan.jpg 1600 1200 '#c9a46a' silla 80
escena farol_hierro.jpg 360 480 '#333333' lampara
escena cuadro_atardecer.jpg 640 480 '#e07a3f' cuadro
