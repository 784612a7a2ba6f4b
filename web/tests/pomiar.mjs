// Speed and responsiveness of the page in headless Chromium, side by side with the native batch
// runner for the same series and seed (a benchmark, not a test: `node web/tests/pomiar.mjs`).
// Prints one line per figure, for bench/README.md.
import { spawnSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { join } from 'node:path';
import { REPO, BUDOWA, uruchom } from './przegladarka.mjs';

const SERIE = {
  domyslna: { osX: 10, iteracje: 100000, krok: 3, argumenty: ['--osie', '10x10', '--lambda', '0.1:2.4:0.3', '--iteracje', '100000'] },
  duza: { osX: 100, iteracje: 1000000, krok: 1, argumenty: ['--osie', '100x100', '--lambda', '0.1:2.4:0.1', '--iteracje', '1000000'] },
};
const WSPOLNE = ['--siec', '2DKwadrat', '--koncentracja', '0.5', '--co', '1000', '--uklad', 'przypadkowe', '--tryb', 'porzadkowanie', '--ziarno', '1'];

function natywnie(argumenty) {
  const program = join(REPO, 'build', 'cli', 'fazolab-batch');
  if (!existsSync(program)) return null;
  const t0 = performance.now();
  const w = spawnSync(program, [...WSPOLNE, ...argumenty], { encoding: 'utf8' });
  if (w.status !== 0) throw new Error(w.stderr);
  return (performance.now() - t0) / 1000;
}

function wNode(argumenty) {
  const t0 = performance.now();
  const w = spawnSync(process.execPath, [join(BUDOWA, 'fazolab-batch.mjs'), ...WSPOLNE, ...argumenty], { encoding: 'utf8' });
  if (w.status !== 0) throw new Error(w.stderr);
  return (performance.now() - t0) / 1000;
}

const b = await uruchom();
const s = b.strona;
await s.addInitScript(() => {
  window.dlugieZadania = [];
  new PerformanceObserver((l) => window.dlugieZadania.push(...l.getEntries().map((e) => e.duration))).observe({ type: 'longtask', buffered: true });
});
await s.goto(b.adres);
await s.waitForSelector('html[data-gotowe=tak]');
const przycisk = (n) => s.getByRole('button', { name: n, exact: true });

async function przygotuj(seria, rysowanie) {
  if (await przycisk('Powtórz obliczenia').isVisible() && await przycisk('Powtórz obliczenia').isEnabled()) {
    await przycisk('Powtórz obliczenia').click();
    await przycisk('Tak').click();
  } else if (await przycisk('Sieć 2D kwadratowa').isVisible()) {
    await przycisk('Sieć 2D kwadratowa').click();
  }
  const pole = async (etykieta, v) => {
    await s.getByLabel(etykieta, { exact: true }).fill(String(v));
    await s.getByLabel(etykieta, { exact: true }).blur();
  };
  await pole('Oś X:', seria.osX);
  await pole('Ilość iteracji:', seria.iteracje);
  await s.getByLabel('Wyłącz wizualizację graficzną').setChecked(!rysowanie);
  await s.locator('#TBKrok').fill(String(seria.krok));
  await pole('Ziarno generatora (puste: z zegara):', 1);
  await przycisk('Obliczenia').click();
  if (await przycisk('Nie').isVisible()) await przycisk(rysowanie ? 'Nie' : 'Tak').click();
  await s.waitForFunction(() => !document.getElementById('TBLicz').disabled);
  await s.evaluate(() => (window.dlugieZadania = []));
}

async function calaSeria(seria) {
  await przygotuj(seria, false);
  const t0 = Date.now();
  await przycisk('Licz').click();
  await s.waitForFunction(() => !document.getElementById('BSiecDalej').disabled, null, { timeout: 900000, polling: 50 });
  return { s: (Date.now() - t0) / 1000, dlugie: await s.evaluate(() => window.dlugieZadania) };
}

for (const [nazwa, seria] of Object.entries(SERIE)) {
  const strona = await calaSeria(seria);
  const nat = natywnie(seria.argumenty);
  const node = wNode(seria.argumenty);
  console.log(`${nazwa}: strona (bez rysowania) ${strona.s.toFixed(2)} s, Node ${node.toFixed(2)} s, natywnie ${nat === null ? '-' : `${nat.toFixed(2)} s`}` +
    `${nat ? `, strona/natywnie ${(strona.s / nat).toFixed(2)}` : ''}; długie zadania: ${strona.dlugie.length} (max ${Math.max(0, ...strona.dlugie).toFixed(0)} ms)`);
}

await przygotuj(SERIE.duza, true);
await przycisk('Licz').click();
await s.waitForTimeout(8000);
const fps = await s.locator('#LKlatki').textContent();
const dlugie = await s.evaluate(() => window.dlugieZadania);
const opoznienia = [];
for (let i = 0; i < 5; i++) {
  await przycisk('Zatrzymaj').click();
  await s.waitForFunction(() => !document.getElementById('TBLicz').disabled);
  opoznienia.push(await s.evaluate(() => window.fazolab.obliczenia.opoznienieZatrzymania));
  await przycisk('Licz').click();
  await s.waitForTimeout(500);
}
await przycisk('Zatrzymaj').click();
console.log(`rysowanie 100 × 100: ${fps} klatek/s; długie zadania: ${dlugie.length} (max ${Math.max(0, ...dlugie).toFixed(0)} ms); ` +
  `Zatrzymaj z rysowaniem: ${opoznienia.map((v) => v.toFixed(0)).join(', ')} ms`);

await przygotuj(SERIE.duza, false);
await przycisk('Licz').click();
const bez = [];
for (let i = 0; i < 4; i++) {
  await s.waitForTimeout(300);
  await przycisk('Zatrzymaj').click();
  await s.waitForFunction(() => !document.getElementById('TBLicz').disabled);
  bez.push(await s.evaluate(() => window.fazolab.obliczenia.opoznienieZatrzymania));
  await przycisk('Licz').click();
}
await przycisk('Zatrzymaj').click();
console.log(`Zatrzymaj bez rysowania: ${bez.map((v) => v.toFixed(0)).join(', ')} ms`);
await b.zamknij();
