import { test } from 'node:test';
import assert from 'node:assert/strict';
import { linkUstawien, czytajLink } from '../js/link.js';
import { DOMYSLNE, odswiez } from '../js/ustawienia.js';

test('a setup goes into a link in the batch runner\'s words and comes back whole', () => {
  const s = odswiez({ ...DOMYSLNE, lambda: 2, lambdaKoncowa: 20, krok: 2, koncentracja: 30, przeskoki: 5, iteracje: 250000, ulozenie: 'wydzielenie', klasteryzacja: true, ziarno: '7', powtorzenia: 4 });
  const bez = linkUstawien('2DTrojkat', s);
  assert.equal(bez, 'siec=2DTrojkat&rodzaj=seria&osie=10&lambda=0.2%3A2%3A0.2&koncentracja=0.3&co=500&iteracje=250000&uklad=wydzielenie&tryb=klasteryzacja&powtorzenia=4');
  assert.deepEqual(czytajLink(bez), { rodzaj: '2DTrojkat', s: { ...s, ziarno: '' }, bledy: [] });
  const zZiarnem = czytajLink(linkUstawien('2DTrojkat', s, true));
  assert.deepEqual(zZiarnem.s, s);
  const osie = odswiez({ ...DOMYSLNE, rowneOsie: false, osX: 40, osY: 20, osZ: 6, seria: false, wylaczGrafike: true });
  const l = czytajLink(linkUstawien('3DR', osie));
  assert.deepEqual([l.s.osX, l.s.osY, l.s.osZ, l.s.rowneOsie, l.s.seria, l.s.wylaczGrafike], [40, 20, 6, false, false, true]);
});

test('a link with values out of range names them and keeps the defaults there', () => {
  assert.equal(czytajLink('?x=1'), null);
  const l = czytajLink('?siec=3DR&osie=7&lambda=0.15:2.4:0.3&koncentracja=0.9&co=1000&iteracje=1e6&uklad=spirala&ziarno=12a');
  assert.deepEqual(l.bledy, ['osie', 'lambda', 'koncentracja', 'uklad', 'ziarno']);
  assert.deepEqual([l.s.osX, l.s.lambda, l.s.koncentracja, l.s.iteracje, l.s.ulozenie, l.s.ziarno], [10, 1, 50, 1000000, 'przypadkowe', '']);
  assert.deepEqual(czytajLink('?siec=Kula').bledy, ['siec']);
  assert.equal(czytajLink('?siec=2DKwadrat&lambda=2.4:0.1:0.1').bledy[0], 'lambda');
});
