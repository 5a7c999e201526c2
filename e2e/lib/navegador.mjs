// Debian's Chromium driven by playwright-core, with the flags this machine needs.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';

export async function abrirNavegador() {
  const perfil = fs.mkdtempSync(path.join(os.tmpdir(), 'vz-chromium-'));
  const contexto = await chromium.launchPersistentContext(perfil, {
    executablePath: process.env.VENDALUZ_CHROMIUM || '/usr/bin/chromium', headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    viewport: { width: 1024, height: 768 },
  });
  return {
    // A new page, the earlier ones closed and their cookies gone, and the list its dialogs
    // are recorded in; questions are answered with the list's `respuesta` (true: OK).
    async pagina() {
      await Promise.all(contexto.pages().map((p) => p.close()));
      await contexto.clearCookies();
      const p = await contexto.newPage();
      const dialogos = Object.assign([], { respuesta: true });
      p.on('dialog', async (d) => {
        dialogos.push({ tipo: d.type(), texto: d.message() });
        await (d.type() === 'confirm' && !dialogos.respuesta ? d.dismiss() : d.accept());
      });
      return [p, dialogos];
    },
    // The basket cookie the store at `base` sees.
    async cesta(base) {
      return (await contexto.cookies(base)).find((g) => g.name === 'TheBasket')?.value;
    },
    // Sets the basket cookie of the store at `base`, as the only cookie.
    async ponerCesta(base, valor) {
      await contexto.clearCookies();
      const url = new URL(base);
      await contexto.addCookies([{ name: 'TheBasket', value: valor, domain: url.hostname, path: url.pathname }]);
    },
    async cerrar() {
      await contexto.close();
      fs.rmSync(perfil, { recursive: true, force: true });
    },
  };
}
