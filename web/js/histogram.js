// Bars of the neighbour histogram in the desktop's fixed colours, one per number of unlike
// neighbours, the same in every histogram chart.

export const KOLORY_HISTOGRAMU = ['#808000', '#ff0000', '#008000', '#ffff00', '#0000ff', '#800080', '#808080'];

export function slupkiHistogramu(histogram, liczbaSasiadow) {
  const wynik = [];
  for (let m = 0; m <= liczbaSasiadow; m++) wynik.push([String(m), histogram[m], KOLORY_HISTOGRAMU[m]]);
  return wynik;
}
