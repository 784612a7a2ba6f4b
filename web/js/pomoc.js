// The program's help, one anchor per help context, opened beside the page at the section of the
// stage or of the focused control.
export function kontekstPomocy(element) {
  const z = element?.closest?.('[data-pomoc]');
  if (z) return Number(z.dataset.pomoc);
  const okno = document.getElementById('okno');
  return okno && !okno.hidden ? Number(okno.dataset.pomoc || 3001) : 1000;
}

export function otworzPomoc(kontekst) {
  window.open(`pomoc/Fazolab.html#k${kontekst}`, 'fazolab-pomoc');
}
