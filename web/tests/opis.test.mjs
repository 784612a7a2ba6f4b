import { test } from 'node:test';
import assert from 'node:assert/strict';
import { opisUlozenia } from '../js/opis.js';

// A 10 × 10 square lattice, 50 A and 50 B: 200 pairs, a random arrangement has half of them unlike.
const kwadrat = { IloscAtomow: 100, IloscAtomowA: 50, LiczbaSasiadow: 4 };

test('the picture in words: ordered, random and clustered arrangements against the random share', () => {
  assert.equal(
    opisUlozenia({ ...kwadrat, Sigma: 1, LiczbaParAB: 200 }),
    'Sigma 1; sąsiedzi różnego rodzaju: 100% par (przy ułożeniu przypadkowym 50%); więcej par różnych atomów niż przy ułożeniu przypadkowym: atomy porządkują się na przemian.',
  );
  assert.match(opisUlozenia({ ...kwadrat, Sigma: 0.012, LiczbaParAB: 101 }), /^Sigma 0,012; sąsiedzi różnego rodzaju: 50,5% par .*ułożenie bliskie przypadkowemu\.$/);
  assert.match(opisUlozenia({ ...kwadrat, Sigma: -0.8, LiczbaParAB: 20 }), /^Sigma -0,8; .*10% par .*skupiają się w obszary jednego rodzaju\.$/);
  // 10 A among 100: the random share is 2 · 0.1 · 0.9 = 18%.
  assert.match(opisUlozenia({ ...kwadrat, IloscAtomowA: 10, Sigma: 0, LiczbaParAB: 36 }), /18% par \(przy ułożeniu przypadkowym 18%\); ułożenie bliskie przypadkowemu/);
  assert.equal(opisUlozenia({ ...kwadrat, IloscAtomow: 0 }), '');
});
