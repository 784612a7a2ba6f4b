// The whole path in a real browser: start → settings → run with drawing on and off → results →
// every page → the files against the batch runner's → chart pictures; replicas; offline reload;
// axe-core on every stage; the keyboard alone; screenshots at three widths.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { axe, brakSrodowiska, komorkiSkoroszytu, plikiWsadowe, uruchom, zrzuty, ZRZUTY } from './przegladarka.mjs';

const brak = brakSrodowiska();
const SERIA = ['--siec', '2DKwadrat', '--osie', '10x10', '--koncentracja', '0.5', '--lambda', '0.1:2.4:0.3', '--co', '2000',
  '--iteracje', '10000', '--uklad', 'przypadkowe', '--tryb', 'porzadkowanie', '--ziarno', '7'];

describe('Fazolab w przeglądarce', { skip: brak ?? false }, () => {
  let b;
  let s;
  const katalog = mkdtempSync(join(tmpdir(), 'fazolab-strona-'));
  const pomiary = {};
  const przycisk = (nazwa) => s.getByRole('button', { name: nazwa, exact: true });
  const tekst = (id) => s.locator(`#${id}`).textContent();

  async function sprawdzEtap(nazwa) {
    assert.deepEqual(await axe(s), [], `axe: ${nazwa}`);
    assert.deepEqual(await zrzuty(s, nazwa), [], `strona przewija się w bok: ${nazwa}`);
  }

  async function pobrane(akcja) {
    const [d] = await Promise.all([s.waitForEvent('download'), akcja()]);
    const sciezka = join(katalog, d.suggestedFilename());
    await d.saveAs(sciezka);
    return sciezka;
  }

  async function nacisnij(element, klawisz) {
    await element.focus();
    await s.keyboard.press(klawisz);
  }

  async function ustawPole(etykieta, wartosc) {
    const pole = s.getByLabel(etykieta, { exact: true });
    await pole.fill(String(wartosc));
    await pole.blur();
  }

  before(async () => {
    b = await uruchom();
    s = b.strona;
    await s.addInitScript(() => {
      window.dlugieZadania = [];
      new PerformanceObserver((l) => window.dlugieZadania.push(...l.getEntries().map((e) => e.duration))).observe({ type: 'longtask', buffered: true });
    });
    await s.goto(b.adres);
    await s.waitForSelector('html[data-gotowe=tak]');
  });

  after(async () => {
    await b?.zamknij();
    writeFileSync(join(ZRZUTY, 'pomiary.json'), JSON.stringify(pomiary, null, 2));
  });

  test('start and settings by keyboard alone, with the desktop labels and dependent states', async () => {
    await sprawdzEtap('start');
    let nazwa = '';
    for (let i = 0; i < 12 && nazwa !== 'Sieć 2D kwadratowa'; i++) {
      await s.keyboard.press('Tab');
      nazwa = await s.evaluate(() => document.activeElement?.querySelector('img')?.alt ?? '');
    }
    assert.equal(nazwa, 'Sieć 2D kwadratowa');
    await s.keyboard.press('Enter');
    assert.equal(await tekst('okno-tytul'), 'Symulacje - Sieć 2D  (kwadratowa)  :  Ustawienia');
    assert.deepEqual(
      await Promise.all(['LLambda', 'LLambdaKoncowa', 'LKoncentracja', 'LPrzedzialCzasowy', 'LKrok', 'LIloscAtomowWSieci'].map(tekst)),
      ['0,1', '2,4', '0,5', '1000', '0,3', '100'],
    );
    const start = s.getByLabel('Lambda — wartość początkowa', { exact: true });
    await start.focus();
    await s.keyboard.press('End');
    assert.equal(await start.getAttribute('aria-valuetext'), 'λ = 2,4');
    assert.deepEqual(await Promise.all(['LLambdaKoncowa', 'LKrok', 'LKrokMax'].map(tekst)), ['2,4', '0,1', '0,1']);
    await s.keyboard.press('Home');
    assert.equal(await tekst('LLambdaKoncowaMin'), '0,1');
    await s.getByRole('radio', { name: 'Pojedyncza symulacja' }).check();
    assert.equal(await s.getByLabel('Lambda — wartość końcowa', { exact: true }).isDisabled(), true);
    assert.equal(await s.getByLabel('Wyłącz wizualizację graficzną').isDisabled(), true);
    await s.getByRole('radio', { name: 'Seria symulacji' }).check();
    const [pomoc] = await Promise.all([b.kontekst.waitForEvent('page'), (async () => {
      await s.getByLabel('Koncentracja atomów — wartość', { exact: true }).focus();
      await s.keyboard.press('F1');
    })()]);
    await pomoc.waitForLoadState();
    assert.match(pomoc.url(), /pomoc\/Fazolab\.html#k10421$/);
    await pomoc.close();
    await ustawPole('Oś X:', 72);
    assert.equal(await tekst('LIloscAtomowWSieci'), '5184');
    await ustawPole('Oś X:', 10);
    await ustawPole('Ilość iteracji:', 5000);
    assert.equal(await s.getByLabel('Ilość iteracji:').inputValue(), '10000');
    await s.getByLabel('Pobierz dane co (iteracji) — wartość', { exact: true }).fill('20');
    await s.getByLabel('Krok — wartość', { exact: true }).fill('3');
    assert.equal(await tekst('LKrok'), '0,3');
    await ustawPole('Ziarno generatora (puste: z zegara):', 7);
    await sprawdzEtap('ustawienia');
  });

  test('a series with drawing on, its results on every page and the files the batch runner writes', async () => {
    // The keyboard alone: Enter on the stage button and on "Licz", arrows between the tabs.
    await nacisnij(przycisk('Obliczenia'), 'Enter');
    await s.waitForFunction(() => !document.getElementById('TBLicz').disabled);
    assert.equal(await tekst('okno-tytul'), 'Symulacje - Sieć 2D  (kwadratowa)  :  Obliczenia');
    assert.equal(await s.evaluate(() => document.activeElement.id), 'okno-tytul');
    await sprawdzEtap('obliczenia-przygotowane');
    await nacisnij(przycisk('Licz'), 'Enter');
    assert.equal(await s.evaluate(() => document.activeElement.id), 'TBZatrzymaj');
    await s.waitForFunction(() => !document.getElementById('BSiecDalej').disabled, null, { timeout: 120000 });
    pomiary.klatkiNaSekunde10x10 = await tekst('LKlatki');
    assert.equal(await s.locator('#GSeriaSymulacji').evaluate((g) => g.value === g.max), true);
    await sprawdzEtap('obliczenia-koniec');
    await nacisnij(przycisk('Wyniki'), 'Enter');
    await s.waitForFunction(() => document.getElementById('MLambda').value !== '');
    assert.equal(await tekst('okno-tytul'), 'Symulacje - Sieć 2D  (kwadratowa)  :  Wyniki');
    await sprawdzEtap('wyniki-cieplo');
    await s.getByRole('tab', { name: 'Ciepło właściwe i temperatura przejścia fazowego' }).focus();
    for (const [karta, nazwa] of [['Liczba par AB i parametr Sigma', 'wyniki-odtwarzanie'], ['Wyniki', 'wyniki-zapis'], ['Fluktuacje', 'wyniki-fluktuacje']]) {
      await s.keyboard.press('ArrowRight');
      assert.equal(await s.getByRole('tab', { name: karta, exact: true }).getAttribute('aria-selected'), 'true');
      await sprawdzEtap(nazwa);
    }
    // The peak of this size, and what it is not, in the core's words.
    assert.match(await tekst('LPrzejscieFluktuacjiPodpis'), /^λ_max dla tej sieci \(10 × 10\):$/);
    assert.match(await tekst('LGranicaSieci'), /Maksimum skończonej sieci to nie λ_c/);
    assert.equal(await tekst('LOdniesienieSieci'), 'λ_c sieci nieskończonej (c = 0.5): 0.8814 (dokładnie)');
    // The fitted curve's transition said to be the fit's, or its warning, in the core's words.
    assert.match(await tekst('LUwagaCvkNTc'), /^(z krzywej dopasowanej, bez błędu|maksimum na brzegu zakresu|wartość ujemna: dopasowanie niefizyczne)$/);
    // Onsager's curve on the sigma chart, named by its title in the core's words.
    assert.equal(await s.locator('svg path > title').filter({ hasText: 'Onsager' }).count(), 1);
    assert.match(await tekst('LOpisSigmyOnsagera'), /^Szara krzywa: sigma sieci nieskończonej/);
    await s.getByRole('tab', { name: 'Ciepło właściwe i temperatura przejścia fazowego' }).click();
    await s.getByRole('navigation', { name: 'Etapy' }).getByRole('button', { name: 'Zapisz wyniki' }).click();
    assert.equal(await s.getByRole('tab', { name: 'Wyniki', exact: true }).getAttribute('aria-selected'), 'true');
    const zapisz = s.getByRole('tabpanel', { name: 'Wyniki', exact: true }).getByRole('button', { name: 'Zapisz wyniki' });
    const wsadowy = {};
    for (const typ of ['csv', 'txt', 'xlsx']) {
      await s.getByLabel('Typ pliku:').selectOption(typ);
      const plik = await pobrane(() => zapisz.click());
      assert.equal(plik.endsWith(`2DKwadratowa.${typ}`), true);
      const wzor = join(katalog, `wsadowy.${typ}`);
      // The page's single runs draw from the window's generator.
      wsadowy.program = plikiWsadowe([...SERIA, '--generator', 'okna', '--wyjscie', wzor], katalog).program;
      if (typ === 'xlsx') assert.equal(komorkiSkoroszytu(plik), komorkiSkoroszytu(wzor));
      else assert.deepEqual(readFileSync(plik), readFileSync(wzor), typ);
    }
    pomiary.porownanoZ = wsadowy.program;
    await s.getByRole('tab', { name: 'Ciepło właściwe i temperatura przejścia fazowego' }).click();
    const png = await pobrane(() => przycisk('Zapisz wykres PNG: Zależność ciepła właściwego od wartości Lambda').click());
    assert.deepEqual([...readFileSync(png).subarray(0, 4)], [0x89, 0x50, 0x4e, 0x47]);
    const svg = await pobrane(() => przycisk('Zapisz wykres SVG: Zależność ciepła właściwego od wartości Lambda').click());
    assert.match(readFileSync(svg, 'utf8'), /^<svg [^>]*xmlns="http:\/\/www.w3.org\/2000\/svg"/);
    await s.getByRole('tab', { name: 'Liczba par AB i parametr Sigma' }).click();
    const lambda0 = await tekst('LWynikiLambdaInfo');
    await s.getByLabel('Nr serii').focus();
    await s.keyboard.press('ArrowRight');
    await s.waitForFunction((l) => document.getElementById('LWynikiLambdaInfo').textContent !== l, lambda0);
    assert.equal(await tekst('LWynikiLambdaInfo'), '0,4');
    await przycisk('Ostatni cykl').click();
    assert.equal(await s.getByLabel('Numer cyklu:').inputValue(), '10000');
  });

  test('drawing off at full speed; Zatrzymaj and Esc answer between two slices', async () => {
    await przycisk('Powtórz obliczenia').click();
    await przycisk('Nie').click();
    await s.getByLabel('Wyłącz wizualizację graficzną').check();
    await ustawPole('Oś X:', 100);
    await ustawPole('Ilość iteracji:', 1000000);
    await s.getByLabel('Pobierz dane co (iteracji) — wartość', { exact: true }).fill('1');
    await s.getByLabel('Krok — wartość', { exact: true }).fill('1');
    await przycisk('Obliczenia').click();
    await s.waitForFunction(() => !document.getElementById('TBLicz').disabled);
    assert.equal(await s.locator('#PSeriaObliczen').isVisible(), true);
    await s.evaluate(() => (window.dlugieZadania = []));
    // 24 lambdas of 10^6 on 100 x 100 last about a second here: pause early,
    // or the series may end before the key and leave nothing to stop.
    await przycisk('Licz').click();
    await s.waitForTimeout(150);
    await s.keyboard.press('Escape');
    await s.waitForFunction(() => !document.getElementById('TBLicz').disabled);
    const esc = await s.evaluate(() => window.fazolab.obliczenia.opoznienieZatrzymania);
    await przycisk('Licz').click();
    await s.waitForTimeout(100);
    await przycisk('Zatrzymaj').click();
    await s.waitForFunction(() => !document.getElementById('TBLicz').disabled);
    const klik = await s.evaluate(() => window.fazolab.obliczenia.opoznienieZatrzymania);
    pomiary.zatrzymajMs = [esc, klik];
    pomiary.dlugieZadaniaMs = await s.evaluate(() => window.dlugieZadania);
    assert.ok(Math.max(esc, klik) < 250, `Zatrzymaj po ${esc} i ${klik} ms`);
    await sprawdzEtap('obliczenia-bez-rysowania');
  });

  test('replicas in parallel Workers give the batch runner\'s summary for the same seed', async () => {
    await przycisk('Powtórz obliczenia').click();
    await przycisk('Nie').click();
    await s.getByLabel('Wyłącz wizualizację graficzną').uncheck();
    await ustawPole('Oś X:', 10);
    await ustawPole('Ilość iteracji:', 10000);
    await s.getByLabel('Pobierz dane co (iteracji) — wartość', { exact: true }).fill('20');
    await s.getByLabel('Krok — wartość', { exact: true }).fill('3');
    await ustawPole('Liczba niezależnych serii:', 3);
    await przycisk('Obliczenia').click();
    await przycisk('Licz').click();
    await s.waitForFunction(() => !document.getElementById('BSiecDalej').disabled, null, { timeout: 120000 });
    await przycisk('Wyniki').click();
    await s.getByRole('tab', { name: 'Wyniki' }).click();
    await s.waitForFunction(() => document.getElementById('PPodsumowanie').textContent !== '');
    const wzor = join(katalog, 'powtorzenia.csv');
    const podsumowanie = plikiWsadowe([...SERIA, '--powtorzenia', '3', '--wyjscie', wzor], katalog).wyjscie;
    assert.equal(await tekst('PPodsumowanie'), podsumowanie);
    await s.getByLabel('Typ pliku:').selectOption('csv');
    const plik = await pobrane(() => s.getByRole('tabpanel', { name: 'Wyniki', exact: true }).getByRole('button', { name: 'Zapisz wyniki' }).click());
    assert.deepEqual(readFileSync(plik), readFileSync(wzor));
    await sprawdzEtap('wyniki-powtorzenia');
    await ustawPole('Liczba niezależnych serii:', 1).catch(() => {});
  });

  test('the cubic lattice: planes, the 3D view turned by keys, the large-lattice question, a Worker that dies', async () => {
    await przycisk('Koniec').click();
    await przycisk('Sieć 3D kubiczna prosta').click();
    await s.getByRole('radio', { name: 'Pojedyncza symulacja' }).check();
    await ustawPole('Oś X:', 18);
    await przycisk('Obliczenia').click();
    assert.match(await tekst('pytanie-tekst'), /Czy wyłączyć wyświetlanie sieci \?/);
    await przycisk('Nie').click();
    await s.waitForFunction(() => !document.getElementById('TBLicz').disabled);
    assert.equal(await s.getByRole('radio', { name: '3D', exact: true }).isDisabled(), true);
    await przycisk('Powtórz obliczenia').click();
    await przycisk('Nie').click();
    await ustawPole('Oś X:', 10);
    await przycisk('Obliczenia').click();
    await s.waitForFunction(() => !document.getElementById('TBLicz').disabled);
    await s.getByLabel('Atomy sąsiadujące').check();
    await s.getByLabel('Oś Z', { exact: true }).fill('0');
    assert.equal(await tekst('PPlaszczyzna'), 'Płaszczyzna: (0,0,P)');
    await s.getByRole('radio', { name: '3D', exact: true }).check();
    const widok = s.locator('#RotSiec3D');
    await widok.focus();
    const przed = await widok.screenshot();
    await s.keyboard.press('ArrowLeft');
    await s.keyboard.press('ArrowLeft');
    assert.notDeepEqual(await widok.screenshot(), przed);
    await sprawdzEtap('obliczenia-3d');
    await s.evaluate(() => window.fazolab.obliczenia.silnik.w.dispatchEvent(new Event('error')));
    assert.match(await tekst('pytanie-tekst'), /^Silnik obliczeń przestał działać/);
    await przycisk('OK').click();
    assert.equal(await przycisk('Licz').isDisabled(), true);
    await przycisk('Powtórz obliczenia').click();
    await przycisk('Nie').click();
    assert.equal(await tekst('okno-tytul'), 'Symulacje - Sieć 3D  (kubiczna prosta)  :  Ustawienia');
  });

  test('after the first visit the page works with the server gone', async () => {
    await s.evaluate(() => navigator.serviceWorker.ready);
    await s.reload();
    await s.waitForSelector('html[data-gotowe=tak]');
    await b.zatrzymajSerwer();
    await s.reload();
    await s.waitForSelector('html[data-gotowe=tak]');
    await przycisk('Sieć 2D trójkątna').click();
    await ustawPole('Ilość iteracji:', 10000);
    await s.getByLabel('Wyłącz wizualizację graficzną').check();
    await przycisk('Obliczenia').click();
    await s.waitForFunction(() => !document.getElementById('TBLicz').disabled);
    await przycisk('Licz').click();
    await s.waitForFunction(() => !document.getElementById('BSiecDalej').disabled, null, { timeout: 60000 })
      .catch(async (e) => {
        throw new Error(`${e.message}: ${JSON.stringify(await s.evaluate(() => [window.fazolab.stan.bieg, document.getElementById('GSeriaSymulacji').value, document.visibilityState, document.getElementById('pytanie-tekst').textContent]))} ${b.bledy.join(' | ')}`);
      });
    await przycisk('Wyniki').click();
    await s.waitForFunction(() => document.getElementById('MLambda').value !== '');
    assert.match(await s.locator('#MOpisSieci').inputValue(), /^Siec: 2D Trojkatna/);
    assert.deepEqual(b.bledy.filter((e) => !/Failed to load resource/.test(e)), []);
  });
});
