#pragma once

#include <QString>

// The franc/euro pocket converter (TEurof): an input line typed on a keypad,
// a result line, a direction and a rate kept in hundred-thousandths of a
// franc per euro.
class EuroConverter {
public:
    enum class Direction { FrancsToEuros, EurosToFrancs };

    static constexpr int DefaultRate = 655957;

    QString input() const { return m_input; }
    QString result() const { return m_result; }
    bool resultShown() const { return m_resultShown; }

    Direction direction() const { return m_direction; }
    void setDirection(Direction direction) { m_direction = direction; }

    int rate() const { return m_rate; }
    QString rateText() const; // "6,55957"
    void rateUp();
    void rateDown(); // never below 1

    // A typed character or keypad button: after a result both lines are
    // cleared first; "." counts as ","; digits and "," are appended, anything
    // else is ignored.
    void key(QChar c);

    // Enter or "=": converts the input line into the result line. An input
    // that is no number (empty, two commas) leaves the result line alone.
    void compute();

    // Back to the state of a fresh window, rate and direction included.
    void reset();

private:
    QString m_input;
    QString m_result;
    bool m_resultShown = false;
    Direction m_direction = Direction::FrancsToEuros;
    int m_rate = DefaultRate;
};
