// A walk through the page on a cheap computer: Chromium's CPU slowed 4 times (CDP
// Emulation.setCPUThrottlingRate) and, for the start, a slow network. Reports the main thread's
// long tasks (over 50 ms) per step, the frames per second of the drawing, and how long "Licz"
// waits for the engine. A benchmark, not a test: `node web/tests/spacer.mjs [rate]`; figures go
// into bench/README.md.
import { uruchom } from './przegladarka.mjs';

const SPOWOLNIENIE = Number(process.argv[2] ?? 4);
const b = await uruchom();
const s = b.strona;
const cdp = await b.kontekst.newCDPSession(s);
await s.addInitScript(() => {
  window.dlugieZadania = [];
  new PerformanceObserver((l) => window.dlugieZadania.push(...l.getEntries().map((e) => e.duration))).observe({ type: 'longtask', buffered: true });
});
const przycisk = (n) => s.getByRole('button', { name: n, exact: true });
const wiersze = [];

async function krok(nazwa, akcja) {
  await s.evaluate(() => (window.dlugieZadania = []));
  const t0 = Date.now();
  const dodatek = (await akcja()) ?? '';
  const d = await s.evaluate(() => window.dlugieZadania);
  const najdluzsze = d.length ? Math.max(...d).toFixed(0) : '0';
  wiersze.push(`${nazwa}: ${((Date.now() - t0) / 1000).toFixed(1)} s, długie zadania ${d.length}, najdłuższe ${najdluzsze} ms${dodatek}`);
}

async function wpisz(etykieta, wartosc) {
  await s.getByLabel(etykieta, { exact: true }).fill(String(wartosc));
  await s.getByLabel(etykieta, { exact: true }).press('Tab');
}

await cdp.send('Emulation.setCPUThrottlingRate', { rate: SPOWOLNIENIE });
await cdp.send('Network.enable');
// About 1.5 Mbit/s with 150 ms of latency: a school's shared line.
await cdp.send('Network.emulateNetworkConditions', { offline: false, latency: 150, downloadThroughput: 190000, uploadThroughput: 60000 });
await krok('strona startowa (wolna sieć)', async () => {
  await s.goto(b.adres);
  await s.waitForSelector('html[data-gotowe=tak]');
});
await krok('ustawienia → Licz dostępny (wolna sieć)', async () => {
  await przycisk('Sieć 2D kwadratowa').click();
  await przycisk('Obliczenia').click();
  const napis = await s.locator('#LWczytywanie').textContent();
  await s.waitForFunction(() => !document.getElementById('TBLicz').disabled, null, { timeout: 120000 });
  return `, napis w czasie wczytywania: „${napis}”`;
});
await cdp.send('Network.emulateNetworkConditions', { offline: false, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
await przycisk('Powtórz obliczenia').click();
await przycisk('Nie').click();
await s.getByRole('radio', { name: 'Pojedyncza symulacja' }).check();
await wpisz('Oś X:', 100);
await krok('100 × 100, rysowanie włączone, 8 s', async () => {
  await przycisk('Obliczenia').click();
  await przycisk('Nie').click();
  await s.waitForFunction(() => !document.getElementById('TBLicz').disabled, null, { timeout: 60000 });
  await przycisk('Licz').click();
  await s.waitForTimeout(4000);
  const naStronie = await s.locator('#LKlatki').textContent();
  await s.getByRole('tab', { name: 'Wykresy liczonych parametrów' }).click();
  await s.waitForTimeout(4000);
  const wykresy = await s.locator('#LKlatki').textContent();
  await przycisk('Zatrzymaj').click();
  return `, klatki/s: ${naStronie} (strona sieci), ${wykresy} (strona wykresów)`;
});
await przycisk('Koniec').click();
await przycisk('Sieć 3D kubiczna prosta').click();
await wpisz('Oś X:', 10);
await przycisk('Obliczenia').click();
await s.waitForFunction(() => !document.getElementById('TBLicz').disabled, null, { timeout: 60000 });
await s.getByRole('radio', { name: '3D', exact: true }).check();
await krok('widok 3D 10 × 10 × 10 obracany klawiszami (40 naciśnięć)', async () => {
  await s.locator('#RotSiec3D').focus();
  for (let i = 0; i < 40; i++) await s.keyboard.press(i % 2 ? 'ArrowLeft' : 'ArrowUp');
});
await krok('seria 10 × 10 × 10, 8 λ, rysowanie włączone, do wyników', async () => {
  await przycisk('Powtórz obliczenia').click();
  await przycisk('Nie').click();
  await s.getByRole('radio', { name: 'Seria symulacji' }).check();
  await wpisz('Ilość iteracji:', 10000);
  await przycisk('Obliczenia').click();
  await s.waitForFunction(() => !document.getElementById('TBLicz').disabled, null, { timeout: 60000 });
  await przycisk('Licz').click();
  await s.waitForFunction(() => !document.getElementById('BSiecDalej').disabled, null, { timeout: 300000 });
  await przycisk('Wyniki').click();
  await s.waitForFunction(() => document.getElementById('MLambda').value !== '');
});
console.log(`Chromium ${b.kontekst.browser()?.version() ?? ''}, procesor spowolniony ${SPOWOLNIENIE}×`);
for (const w of wiersze) console.log(w);
// A walk whose page failed measured less than it should: its errors are shown.
for (const e of b.bledy) console.log(`błąd strony: ${e}`);
await b.zamknij();
