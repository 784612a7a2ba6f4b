#include "ProbkiRepliki.h"

#include "LambdaNaSiatce.h"
#include "Pomiar.h"

#include <cmath>
#include <pybind11/numpy.h>

namespace py = pybind11;

namespace {
// An array that owns the vector's storage: the vector moves into the array's
// base object and the numbers stay where the engine's samples put them.
template <class T>
py::array_t<T> Przejmij(std::vector<T>&& dane, std::vector<py::ssize_t> ksztalt) {
    auto* wlasciciel = new std::vector<T>(std::move(dane));
    const py::capsule baza(wlasciciel, [](void* w) { delete static_cast<std::vector<T>*>(w); });
    return py::array_t<T>(ksztalt, wlasciciel->data(), baza);
}
} // namespace

ProbkiRepliki::ProbkiRepliki(std::size_t pomiarow) {
    Seria.reserve(pomiarow);
    Iteracja.reserve(pomiarow);
    Lambda.reserve(pomiarow);
    Energia.reserve(pomiarow);
    Sigma.reserve(pomiarow);
    ParyAB.reserve(pomiarow);
}

void ProbkiRepliki::NowyPomiar(const Pomiar& p) {
    if (Histogram.empty()) {
        LiczbaSasiadow = p.LiczbaSasiadow;
        Histogram.reserve(Seria.capacity() * static_cast<std::size_t>(LiczbaSasiadow + 1));
    }
    Seria.push_back(p.Seria);
    Iteracja.push_back(p.Iteracja);
    Lambda.push_back(p.Lambda);
    Energia.push_back(p.Energia);
    Sigma.push_back(p.Sigma);
    ParyAB.push_back(std::llround(p.LiczbaParAB));
    for (int n = 0; n <= LiczbaSasiadow; ++n) {
        Histogram.push_back(std::llround(p.Histogram[static_cast<std::size_t>(n)]));
    }
}

py::dict KolumnyProbek(ProbkiRepliki& p, const ParametrySymulacji& parametry) {
    for (double& lambda : p.Lambda) {
        lambda = LambdaNaSiatce(parametry, lambda);
    }
    const auto n = static_cast<py::ssize_t>(p.Seria.size());
    py::dict kolumny;
    kolumny["seria"] = Przejmij(std::move(p.Seria), {n});
    kolumny["lambda"] = Przejmij(std::move(p.Lambda), {n});
    kolumny["iteracja"] = Przejmij(std::move(p.Iteracja), {n});
    kolumny["energia"] = Przejmij(std::move(p.Energia), {n});
    kolumny["sigma"] = Przejmij(std::move(p.Sigma), {n});
    kolumny["pary_ab"] = Przejmij(std::move(p.ParyAB), {n});
    kolumny["histogram"] = Przejmij(std::move(p.Histogram), {n, p.LiczbaSasiadow + 1});
    return kolumny;
}
