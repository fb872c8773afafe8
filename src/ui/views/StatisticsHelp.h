#pragma once

#include <QString>

// The tooltips of every statistics heading and figure, kept together so that
// the help reads as one text and says the same thing wherever a figure shows.
namespace rotamind::help {

enum class Topic {
    // "Statistiche Classiche"
    ClassHeading, // D
    Frequency,
    Percentage,
    Absence,
    MaxAbsence,
    ClassicIndex,
    // "Lunghezze"
    LengthHeading, // L
    LengthFrequency,
    LengthAbsence,
    LengthIndex,
    // "Analisi"
    Uniformity,
    UniformityPValue,
    FurthestClass,
    UniformityVerdict,
    Hits,
    ExpectedHits,
    MethodPValue,
    Balance,
    MethodVerdict,
    DependencePValue,
    DependenceVerdict,
    PageVerdict,
    PageEvidence,
    UniformityEvidence,
    ExpectedBalance,
    MethodEvidence,
    DependenceEvidence,
    Shares,
    LaunchesNeeded,
    EvidenceChart,
    ShareChart,
    // "Analisi", the archive's block
    Archive,
    ArchiveSessions,
    ArchiveLaunches,
};

// One or two Italian sentences: what the figure is and how to read it.
QString tooltip(Topic topic);

// The row heading of a class (3..-3): where its pockets lie.
QString classTooltip(int distanceClass);

// The row heading of a step length (-5..+5).
QString lengthTooltip(int length);

} // namespace rotamind::help
