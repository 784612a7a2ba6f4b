// The desktop's modal questions as one <dialog>: focus moves into it, Esc answers "Nie", and the
// focus goes back where it was.
const $ = (id) => document.getElementById(id);

export function zapytaj(tekst, { tylkoOk = false, domyslnieNie = false } = {}) {
  const d = $('pytanie');
  const powrot = document.activeElement;
  $('pytanie-tekst').textContent = tekst;
  $('pytanie-tak').textContent = tylkoOk ? 'OK' : 'Tak';
  $('pytanie-nie').hidden = tylkoOk;
  return new Promise((ok) => {
    const odpowiedz = (tak) => {
      d.removeEventListener('cancel', anuluj);
      $('pytanie-tak').onclick = null;
      $('pytanie-nie').onclick = null;
      d.close();
      if (powrot && document.contains(powrot) && !powrot.closest('[hidden]')) powrot.focus();
      ok(tak);
    };
    const anuluj = (e) => {
      e.preventDefault();
      odpowiedz(false);
    };
    d.addEventListener('cancel', anuluj);
    $('pytanie-tak').onclick = () => odpowiedz(true);
    $('pytanie-nie').onclick = () => odpowiedz(false);
    d.showModal();
    $(domyslnieNie ? 'pytanie-nie' : 'pytanie-tak').focus();
  });
}
