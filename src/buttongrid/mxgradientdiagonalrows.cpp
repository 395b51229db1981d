#include "buttongrid/mxgradientdiagonalrows.h"

std::vector<ShearedBandRows::Band> MxDiagonalRows::BandsOf(const std::vector<MxGradientStep>& steps) {
    std::vector<ShearedBandRows::Band> bands(steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i)
        if (steps[i].kind != TMxGradientShape::Kind::Polygon ||
            !ShearedBandRows::Describe(steps[i].points.data(), steps[i].points.size(), bands[i]))
            return {};
    return bands;
}

MxDiagonalRows::MxDiagonalRows(std::vector<MxGradientStep> steps, std::vector<ShearedBandRows::Band> bands,
                               int left, int right)
    : MxGradientRows(left, right),
      m_steps(std::move(steps)),
      m_walk(m_steps),
      m_bandShapes(std::move(bands)),
      m_x0(m_steps.size()),
      m_x1(m_steps.size()) {
    m_colors.reserve(m_steps.size());
    for (const MxGradientStep& step : m_steps) m_colors.push_back(step.color);
    m_staircase = m_stairs.Prepare(m_bandShapes, m_colors.data(), BandStaircase::Side::Left, left, right) ||
                  m_stairs.Prepare(m_bandShapes, m_colors.data(), BandStaircase::Side::Right, left, right);
}

MxGradientRows::Run MxDiagonalRows::resolveBatched(int y) {
    // Left unbuilt until a row needs them: a staircase composes all its rows but a few, or none.
    if (m_bands.Empty()) {
        m_bands.Reserve(m_bandShapes.size());
        for (const ShearedBandRows::Band& band : m_bandShapes) m_bands.Add(band);
    }
    const std::size_t first = m_walk.Reaching(y).first;
    m_bands.Row(y, first, Left(), Right(), m_x0.data() + first, m_x1.data() + first);
    Run covered{0, 0};
    LayPieces(m_x0.data(), m_x1.data(), m_colors.data(), first, m_colors.size(), covered, Pixels(), Width());
    return covered;
}

MxGradientRows::Run MxDiagonalRows::Resolve(int y) {
    const bool stairs = m_staircase && y >= m_stairs.FirstRow();
    const Run run = stairs ? m_stairs.Compose(y, m_stairRow, Pixels()) : resolveBatched(y);
    m_stairRow = stairs ? Pixels() : nullptr;
    return run;
}

MxGradientRows::Run MxDiagonalRows::ResolveInto(int y, QRgb* row) {
    if (!m_staircase || y < m_stairs.FirstRow()) return MxGradientRows::ResolveInto(y, row);
    const Run run = m_stairs.Compose(y, m_stairRow, row);
    m_stairRow = row;
    return run;
}
