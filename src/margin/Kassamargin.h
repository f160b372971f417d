#pragma once

#include "margin/Klassenkontext.h"

#include <vector>

namespace Margin {

// Rows of a class read in settlement date order; consecutive rows of one settlement date and
// one product form a group.
std::vector<std::vector<int>> Kassagruppen(const Klassenkontext& k, const std::vector<int>& zeilen);

// Whole days from the calculation date to a group's settlement date; a date text that is no date
// stops the calculation.
int TageBisSettlement(const Klassenkontext& k, const Berechnungszeile& z);

// Whole days from the calculation date to its n-th following business day (spot settlement).
int TageBisValuta(const Klassenkontext& k, int n);

// 1 / (R/100 · n/365 + 1) for a rate R in percent over n days.
double Abzinsfaktor(double zinssatz, double tage);

} // namespace Margin
