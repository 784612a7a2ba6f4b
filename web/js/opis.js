// The lattice picture in words for those who cannot see it: the order parameter and the share of
// unlike neighbours against what a random arrangement of the same atoms would give.
import { ogolny } from './ustawienia.js';

// How far from the random share a difference is worth a word (a few per cent of the pairs).
const PROG = 0.03;

export function opisUlozenia({ Sigma, LiczbaParAB, IloscAtomow, IloscAtomowA, LiczbaSasiadow }) {
  const par = (IloscAtomow * LiczbaSasiadow) / 2;
  if (!par) return '';
  const c = IloscAtomowA / IloscAtomow;
  const udzial = LiczbaParAB / par;
  const losowy = 2 * c * (1 - c);
  const procent = (v) => `${ogolny(Math.round(v * 1000) / 10)}%`;
  let slowa = 'ułożenie bliskie przypadkowemu';
  if (udzial > losowy + PROG) slowa = 'więcej par różnych atomów niż przy ułożeniu przypadkowym: atomy porządkują się na przemian';
  else if (udzial < losowy - PROG) slowa = 'mniej par różnych atomów niż przy ułożeniu przypadkowym: atomy skupiają się w obszary jednego rodzaju';
  return `Sigma ${ogolny(Math.round(Sigma * 1000) / 1000)}; sąsiedzi różnego rodzaju: ${procent(udzial)} par (przy ułożeniu przypadkowym ${procent(losowy)}); ${slowa}.`;
}
