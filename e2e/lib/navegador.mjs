// Debian's Chromium driven by playwright-core, with the flags this machine needs.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';

export async function abrirNavegador() {
  const perfil = fs.mkdtempSync(path.join(os.tmpdir(), 'vz-chromium-'));
  const contexto = await chromium.launchPersistentContext(perfil, {
    executablePath: process.env.VENDALUZ_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    viewport: { width: 1024, height: 768 },
  });
  return {
    contexto,
    async cerrar() {
      await contexto.close();
      fs.rmSync(perfil, { recursive: true, force: true });
    },
  };
}

// Answers every dialog of the page with `respuesta` (true: OK) and records its text.
export function registrarDialogos(pagina, respuesta = true) {
  const dialogos = [];
  pagina.on('dialog', async (d) => {
    dialogos.push({ tipo: d.type(), texto: d.message() });
    if (d.type() === 'confirm' && !(typeof respuesta === 'function' ? respuesta(d) : respuesta)) await d.dismiss();
    else await d.accept();
  });
  return dialogos;
}

export async function cesta(contexto, base) {
  const galletas = await contexto.cookies(base);
  const c = galletas.find((g) => g.name === 'TheBasket');
  return c ? c.value : undefined;
}
