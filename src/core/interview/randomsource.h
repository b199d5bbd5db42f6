#pragma once

#include <QList>
#include <QRandomGenerator>

// Where the interview draws its random numbers: the clock in the window, a
// fixed sequence in tests and on the command line.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A number from 0 to range - 1; range is at least 1.
    virtual int bounded(int range) = 0;
};

class ClockRandom : public RandomSource {
public:
    ClockRandom();
    int bounded(int range) override;

private:
    QRandomGenerator m_generator;
};

// Gives the listed numbers in turn, each modulo the range; 0 once used up.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(QList<int> draws = {}) : m_draws(std::move(draws)) {}
    int bounded(int range) override;

private:
    QList<int> m_draws;
    qsizetype m_next = 0;
};
