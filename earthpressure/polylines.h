#pragma once
// Polylines of a plane model held as tables of lines: the table itself and the merge of two lines
// onto common abscissae. The passive wedge model of the earth-pressure stage and the slip-circle
// model both keep their terrain, layer and water lines this way.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zor {

// A table of single values indexed (line, point), both from 0 up to their upper bounds, every cell 0
// when made or resized. An index outside the bounds calls the table's range handler, which is meant
// to throw: by default run-time error 9; a model that reports its own abort passes its handler. Should
// the handler return, error 9 is raised all the same.
class Linientafel {
public:
    using Bereichsfehler = void (*)();

    Linientafel() = default;
    explicit Linientafel(Bereichsfehler fehler) : fehler_(fehler) {}
    Linientafel(int linienOben, int punkteOben, Bereichsfehler fehler = nullptr);

    // New bounds (-1 for none), every cell 0; the range handler stays.
    void Dimensionieren(int linienOben, int punkteOben);

    float& operator()(int linie, int punkt) { return werte_[index(linie, punkt)]; }
    float operator()(int linie, int punkt) const { return werte_[index(linie, punkt)]; }

    // The points 0..PunkteOben() of one line, contiguous, for loops that check their bounds once.
    float* Zeile(int linie) { return werte_.data() + index(linie, 0); }
    const float* Zeile(int linie) const { return werte_.data() + index(linie, 0); }

    int LinienOben() const { return linienOben_; } // -1 while not made
    int PunkteOben() const { return punkteOben_; } // -1 while not made

private:
    // Inline: every access of the slip-circle search goes through here.
    std::size_t index(int linie, int punkt) const {
        if (linie < 0 || linie > linienOben_ || punkt < 0 || punkt > punkteOben_) ausserhalb();
        return static_cast<std::size_t>(linie) * static_cast<std::size_t>(punkteOben_ + 1) +
               static_cast<std::size_t>(punkt);
    }
    [[noreturn]] void ausserhalb() const;

    int linienOben_ = -1;
    int punkteOben_ = -1;
    std::vector<float> werte_;
    Bereichsfehler fehler_ = nullptr;
};

// Merges the lines la and lb of the tables (A values, B abscissae; each line's points 1..n ordered
// by rising abscissa). Both lines are walked together by increasing abscissa: abscissae closer than
// 0.001 give one point at line la's abscissa; otherwise the smaller abscissa is taken, the other
// line's value there is interpolated on its current segment (its left value when the segment is
// vertical) and changed := 1. The walk ends as soon as either line has no further point; both lines
// are then replaced by the merged points and nA, nB both become the merged count. changed is never
// cleared here.
//
// Where one line begins left of the other, the other line has no segment there yet; its value is
// then taken constant from its first point (the lines of every caller begin at a common left limit,
// so this only keeps a careless caller from reading point 0).
// A line without points is left as it is. The tables must hold the merged count; a merge that does
// not fit calls the tables' range handler.
void LinienVerschneiden(Linientafel& A, Linientafel& B, int16_t& nA, int16_t& nB, int la, int lb,
                        int16_t& changed);

} // namespace zor
