#include "ZestawPlikow.h"

#include <utility>

void ZestawPlikow::Dodaj(ZapisOdroczony przygotowany) {
    przygotowane_.push_back(std::move(przygotowany));
}

void ZestawPlikow::Dodaj(const std::string& sciezka, std::string bajty) {
    if (ZapisywanyWprost(sciezka)) {
        wprost_.push_back({sciezka, std::move(bajty)});
        return;
    }
    ZapisOdroczony zapis;
    WynikZapisu wynik = zapis.Przygotuj(sciezka, bajty);
    if (!wynik.Udany()) {
        Niepowodzenie(std::move(wynik));
        return;
    }
    przygotowane_.push_back(std::move(zapis));
}

void ZestawPlikow::Niepowodzenie(WynikZapisu blad) {
    bledy_.push_back(std::move(blad));
}

std::vector<WynikZapisu> ZestawPlikow::Zatwierdz() {
    std::vector<WynikZapisu> nieudane;
    if (!Gotowy()) {
        Porzuc();
        return nieudane;
    }
    for (ZapisOdroczony& zapis : przygotowane_) {
        if (WynikZapisu wynik = zapis.Zatwierdz(); !wynik.Udany()) {
            nieudane.push_back(std::move(wynik));
        }
    }
    przygotowane_.clear();
    return nieudane;
}

void ZestawPlikow::Porzuc() {
    przygotowane_.clear();
    wprost_.clear();
}

std::vector<WynikZapisu> ZestawPlikow::ZapiszWprost() {
    std::vector<WynikZapisu> nieudane;
    for (const Wprost& plik : wprost_) {
        if (WynikZapisu wynik = ZapiszPlik(plik.Sciezka, plik.Bajty); !wynik.Udany()) {
            nieudane.push_back(std::move(wynik));
        }
    }
    wprost_.clear();
    return nieudane;
}
