// The page as a class meets it: typed values that explain themselves, sliders a screen reader can
// tell apart, a teacher's link and reset, the picture saved, focus that stays where the user put
// it, results not dropped without a question, the printout, the replicas' pages.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { axe, brakSrodowiska, uruchom, zrzuty } from './przegladarka.mjs';

const brak = brakSrodowiska();

describe('Fazolab w klasie', { skip: brak ?? false }, () => {
  let b;
  let s;
  const katalog = mkdtempSync(join(tmpdir(), 'fazolab-klasa-'));
  const przycisk = (nazwa) => s.getByRole('button', { name: nazwa, exact: true });
  const pole = (nazwa) => s.getByLabel(nazwa, { exact: true });
  const fokus = () => s.evaluate(() => document.activeElement?.id);
  const tekst = (id) => s.locator(`#${id}`).textContent();

  async function wpisz(nazwa, wartosc) {
    await pole(nazwa).fill(String(wartosc));
    await pole(nazwa).press('Tab');
  }

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

  async function seria({ powtorzenia = 1 } = {}) {
    await wpisz('Oś X:', 10);
    await wpisz('Ilość iteracji:', 10000);
    await pole('Krok — wartość').fill('12');
    await wpisz('Liczba niezależnych serii:', powtorzenia);
    await przycisk('Obliczenia').click();
    await s.waitForFunction(() => !document.getElementById('TBLicz').disabled);
    await przycisk('Licz').click();
    await s.waitForFunction(() => !document.getElementById('BSiecDalej').disabled, null, { timeout: 120000 });
  }

  before(async () => {
    b = await uruchom();
    s = b.strona;
    await s.goto(b.adres);
    await s.waitForSelector('html[data-gotowe=tak]');
    await przycisk('Sieć 2D kwadratowa').click();
  });
  after(() => b?.zamknij());

  test('typed values are taken, corrected or refused, each with its field\'s error line; a bad seed is never run', async () => {
    await wpisz('Ilość iteracji:', '250000.7');
    assert.equal(await pole('Ilość iteracji:').inputValue(), '100000');
    assert.equal(await pole('Ilość iteracji:').getAttribute('aria-invalid'), 'true');
    assert.equal(await tekst('blad-iteracji'), '„250000.7” nie jest liczbą całkowitą: ilość iteracji to liczba całkowita od 10000 do 1000000. Pozostaje 100000.');
    await wpisz('Ilość iteracji:', '1e6');
    assert.equal(await pole('Ilość iteracji:').inputValue(), '1000000');
    assert.equal(await s.locator('#blad-iteracji').isVisible(), false);
    await wpisz('Ilość iteracji:', '5000');
    assert.equal(await pole('Ilość iteracji:').inputValue(), '10000');
    assert.match(await tekst('blad-iteracji'), /^Wpisano 5000: .* Przyjęto 10000\.$/);
    await wpisz('Oś X:', 7);
    assert.equal(await pole('Oś X:').inputValue(), '8');
    assert.match(await tekst('blad-osX'), /Przyjęto 8\.$/);
    await wpisz('Ziarno generatora (puste: z zegara):', '12a');
    assert.equal(await pole('Ziarno generatora (puste: z zegara):').inputValue(), '12a');
    assert.equal(await tekst('blad-ziarna'), 'Ziarno musi być liczbą całkowitą od 0 do 4294967295.');
    await sprawdzEtap('ustawienia-bledy');
    await przycisk('Obliczenia').click();
    assert.match(await tekst('okno-tytul'), /:  Ustawienia$/);
    assert.equal(await fokus(), 'EZiarno');
    await wpisz('Ziarno generatora (puste: z zegara):', '7');
    assert.equal(await s.locator('#blad-ziarna').isVisible(), false);
  });

  test('every slider is named with its group and speaks in its quantity\'s units', async () => {
    const suwaki = {
      'Lambda — wartość początkowa': 'λ = 0,1',
      'Lambda — wartość końcowa': 'λ = 2,4',
      'Koncentracja atomów — wartość': 'koncentracja 0,5',
      'Pobierz dane co (iteracji) — wartość': 'co 1000 iteracji',
      'Krok — wartość': 'krok λ 0,3, największy 2,4',
    };
    await s.getByRole('button', { name: 'Przywróć ustawienia domyślne' }).click();
    for (const [nazwa, wartosc] of Object.entries(suwaki)) {
      assert.equal(await s.getByRole('slider', { name: nazwa, exact: true }).getAttribute('aria-valuetext'), wartosc, nazwa);
    }
    // The range ends in the desktop's decimal comma.
    assert.deepEqual(await s.locator('.zakres').allTextContents(), ['0,12,4', '0,12,4', '0,10,5', '1002000', '0,12,4']);
  });

  test('a teacher\'s link opens the same setup; the defaults come back for the next student', async () => {
    await wpisz('Oś X:', 40);
    await pole('Lambda — wartość początkowa').fill('5');
    await s.getByRole('radio', { name: 'Klasteryzacja' }).check();
    await wpisz('Ziarno generatora (puste: z zegara):', '42');
    await s.getByLabel('Link z ziarnem generatora').check();
    await przycisk('Kopiuj link z tymi ustawieniami').click();
    const link = await pole('Link:').inputValue();
    assert.match(link, /\?siec=2DKwadrat&rodzaj=seria&osie=40&lambda=0\.5%3A2\.4%3A0\.3&.*tryb=klasteryzacja.*&ziarno=42$/);
    await sprawdzEtap('ustawienia-link');
    const druga = await b.kontekst.newPage();
    await druga.goto(link.replace(/^http:\/\/[^/]+\//, b.adres));
    await druga.waitForSelector('html[data-gotowe=tak]');
    assert.equal(await druga.locator('#okno-tytul').textContent(), 'Symulacje - Sieć 2D  (kwadratowa)  :  Ustawienia');
    assert.deepEqual(
      await Promise.all(['SEIloscAtomowOsX', 'TBLambda', 'EZiarno'].map((id) => druga.locator(`#${id}`).inputValue())),
      ['40', '5', '42'],
    );
    assert.equal(await druga.getByRole('radio', { name: 'Klasteryzacja' }).isChecked(), true);
    assert.equal(new URL(druga.url()).search, '');
    await druga.close();
    await przycisk('Przywróć ustawienia domyślne').click();
    assert.equal(await pole('Oś X:').inputValue(), '10');
    assert.equal(await s.getByRole('radio', { name: 'Porządkowanie' }).isChecked(), true);
    assert.equal(await s.evaluate(() => Object.keys(localStorage).filter((k) => k !== 'fazolab.ustawienia.2DKwadrat').length), 0);
  });

  test('a running picture: no focus taken by the automatic page switch, the picture in words and as PNG', async () => {
    await s.getByRole('radio', { name: 'Pojedyncza symulacja' }).check();
    await pole('Pobierz dane co (iteracji) — wartość').fill('1');
    await przycisk('Obliczenia').click();
    await s.waitForFunction(() => !document.getElementById('TBLicz').disabled);
    await przycisk('Licz').click();
    const widok2D = s.getByRole('radio', { name: '2D', exact: true });
    await widok2D.focus();
    await s.waitForTimeout(6000);
    assert.equal(await fokus(), 'RBWidok2D');
    assert.equal(await s.getByRole('tab', { name: 'Ułożenie atomów w sieci' }).getAttribute('aria-selected'), 'true');
    assert.match(await tekst('opis-rysunku'), /^Sigma -?\d(,\d+)?; sąsiedzi różnego rodzaju: [\d,]+% par \(przy ułożeniu przypadkowym 50%\); /);
    const png = await pobrane(() => przycisk('Zapisz obraz sieci (PNG)').click());
    assert.deepEqual([...readFileSync(png).subarray(0, 4)], [0x89, 0x50, 0x4e, 0x47]);
    await przycisk('Zatrzymaj').click();
    await s.waitForFunction(() => !document.getElementById('TBLicz').disabled);
    assert.equal(await fokus(), 'TBLicz');
    await przycisk('Powtórz obliczenia').click();
    await przycisk('Nie').click();
    await s.getByRole('radio', { name: 'Seria symulacji' }).check();
    await pole('Pobierz dane co (iteracji) — wartość').fill('10');
  });

  test('a finished series keeps the focus on the next step and its unsaved results are asked about', async () => {
    await seria();
    assert.equal(await fokus(), 'BSiecDalej');
    await przycisk('Wyniki').click();
    await s.waitForFunction(() => document.getElementById('MLambda').value !== '');
    await przycisk('Koniec').click();
    assert.equal(await tekst('pytanie-tekst'), 'Wyniki serii nie zostały zapisane.\nCzy mimo to zakończyć ?');
    assert.equal(await fokus(), 'pytanie-nie');
    await przycisk('Nie').click();
    await przycisk('Powtórz obliczenia').click();
    assert.equal(await tekst('pytanie-tekst'), 'Wyniki serii nie zostały zapisane.\nCzy mimo to powtórzyć obliczenia ?');
    await przycisk('Nie').click();
    assert.match(await tekst('okno-tytul'), /:  Wyniki$/);
    let okno = null;
    s.once('dialog', (d) => {
      okno = d.type();
      d.dismiss();
    });
    await s.evaluate(() => location.reload());
    await s.waitForTimeout(500);
    assert.equal(okno, 'beforeunload');
    assert.match(await tekst('okno-tytul'), /:  Wyniki$/);
    // The printout: every results page under its title, no buttons.
    await s.emulateMedia({ media: 'print' });
    for (const id of ['wy0', 'wy1', 'wy2', 'wy3']) assert.equal(await s.locator(`#${id}`).isVisible(), true, id);
    assert.equal(await przycisk('Koniec').isVisible(), false);
    await zrzuty(s, 'wyniki-wydruk');
    await s.emulateMedia({ media: 'screen' });
    await s.getByRole('tab', { name: 'Wyniki', exact: true }).click();
    const [d] = await Promise.all([s.waitForEvent('download'), s.getByRole('tabpanel', { name: 'Wyniki', exact: true }).getByRole('button', { name: 'Zapisz wyniki' }).click()]);
    await d.path();
    await przycisk('Powtórz obliczenia').click();
    assert.equal(await tekst('pytanie-tekst'), 'Czy przywrócić ustawienia domyślne wszystkich parametrów ?');
    await przycisk('Nie').click();
  });

  test('replicas: the arrows skip the replay page, the save boxes are what the file holds', async () => {
    await seria({ powtorzenia: 3 });
    await przycisk('Wyniki').click();
    await s.waitForFunction(() => document.getElementById('PPodsumowanie').textContent !== '');
    await s.getByRole('tab', { name: 'Ciepło właściwe i temperatura przejścia fazowego' }).focus();
    for (const [klawisz, karta] of [['ArrowRight', 'Wyniki'], ['ArrowRight', 'Fluktuacje'], ['ArrowRight', 'Ciepło właściwe i temperatura przejścia fazowego'], ['ArrowLeft', 'Fluktuacje'], ['Home', 'Ciepło właściwe i temperatura przejścia fazowego'], ['End', 'Fluktuacje']]) {
      await s.keyboard.press(klawisz);
      assert.equal(await s.getByRole('tab', { name: karta, exact: true }).getAttribute('aria-selected'), 'true', `${klawisz} → ${karta}`);
    }
    await s.getByRole('tab', { name: 'Wyniki', exact: true }).click();
    assert.equal(await s.getByRole('checkbox', { name: 'Sigma', exact: true }).isDisabled(), true);
    assert.equal(await s.getByRole('checkbox', { name: 'Fluktuacje', exact: true }).isDisabled(), false);
    assert.equal(await s.getByText(/zawiera zawsze wszystkie pola/).isVisible(), true);
    await sprawdzEtap('wyniki-powtorzenia-pola');
  });
});
