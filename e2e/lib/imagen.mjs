// Pixel size of a JPEG or GIF file, read from its header.
import fs from 'node:fs';

export function tamanoImagen(ruta) {
  const b = fs.readFileSync(ruta);
  if (b.toString('latin1', 0, 3) === 'GIF') return { ancho: b.readUInt16LE(6), alto: b.readUInt16LE(8) };
  for (let i = 2; i < b.length;) {
    const marca = b[i + 1];
    const largo = b.readUInt16BE(i + 2);
    if (marca >= 0xC0 && marca <= 0xCF && ![0xC4, 0xC8, 0xCC].includes(marca)) {
      return { alto: b.readUInt16BE(i + 5), ancho: b.readUInt16BE(i + 7) };
    }
    i += 2 + largo;
  }
  throw new Error(`sin tamaño: ${ruta}`);
}
