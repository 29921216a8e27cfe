#include "generation/MistakeChooser.h"

#include "generation/RandomSource.h"

#include <algorithm>
#include <numeric>

namespace {

// Kept apart from the generator's stream of the same seed.
constexpr std::uint64_t kSalt = 0x6d697374616b6573;  // "mistakes"

using Choices = std::vector<std::vector<Mistake>>;

// The mistakes that change each problem's answer, in table order.
Choices CandidatesOf(const std::vector<ListedProblem>& problems, const ExamSettings& settings)
{
    Choices candidates(problems.size());
    for (size_t i = 0; i < problems.size(); ++i) {
        const std::optional<Working> right = RightWorking(problems[i], settings);
        if (!right)
            continue;
        for (const MistakeInfo& info : MistakeTable())
            if (MistakenWorking(info.Id, problems[i], settings, *right))
                candidates[i].push_back(info.Id);
    }
    return candidates;
}

template <typename T>
void Shuffle(std::vector<T>& items, RandomSource& random)
{
    for (size_t i = items.size(); i > 1; --i)
        std::swap(items[i - 1], items[random.UniformInt(i)]);
}

size_t IndexOf(Mistake m)
{
    return static_cast<size_t>(m);
}

// A maximum matching of problems to mistakes, by augmenting paths: each
// problem in turn takes a free mistake of its own, or one whose problem can
// move on to another.
class Matching {
public:
    explicit Matching(const Choices& candidates) : Candidates(candidates) {}

    std::vector<std::optional<Mistake>> Match(const std::vector<size_t>& order)
    {
        Chosen.assign(Candidates.size(), std::nullopt);
        Owner.assign(MistakeTable().size(), std::nullopt);
        for (size_t problem : order) {
            Seen.assign(MistakeTable().size(), false);
            Augment(problem);
        }
        return Chosen;
    }

private:
    bool Augment(size_t problem)
    {
        for (Mistake m : Candidates[problem]) {
            if (Seen[IndexOf(m)])
                continue;
            Seen[IndexOf(m)] = true;
            const std::optional<size_t> owner = Owner[IndexOf(m)];
            if (!owner || Augment(*owner)) {
                Owner[IndexOf(m)] = problem;
                Chosen[problem] = m;
                return true;
            }
        }
        return false;
    }

    const Choices& Candidates;
    std::vector<std::optional<Mistake>> Chosen;
    std::vector<std::optional<size_t>> Owner;  // per mistake, the problem that has it
    std::vector<bool> Seen;
};

}  // namespace

std::vector<std::optional<Mistake>> ChooseMistakes(const std::vector<ListedProblem>& problems,
                                                   const ExamSettings& settings, std::uint64_t seed)
{
    RandomSource random(seed ^ kSalt);
    Choices candidates = CandidatesOf(problems, settings);
    for (auto& list : candidates)
        Shuffle(list, random);
    std::vector<size_t> order(problems.size());
    std::iota(order.begin(), order.end(), size_t{0});
    Shuffle(order, random);

    std::vector<std::optional<Mistake>> chosen = Matching(candidates).Match(order);
    std::vector<int> uses(MistakeTable().size(), 0);
    for (const auto& m : chosen)
        if (m)
            ++uses[IndexOf(*m)];
    // Problems the matching left without a mistake of their own take the
    // least used of theirs (ties as shuffled).
    for (size_t problem : order) {
        if (chosen[problem] || candidates[problem].empty())
            continue;
        const auto least = std::min_element(candidates[problem].begin(), candidates[problem].end(),
                                            [&](Mistake a, Mistake b) { return uses[IndexOf(a)] < uses[IndexOf(b)]; });
        chosen[problem] = *least;
        ++uses[IndexOf(*least)];
    }
    return chosen;
}
