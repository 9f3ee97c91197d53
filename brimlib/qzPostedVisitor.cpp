#include "brimlib/qzPostedVisitor.h"

#include "paramformat/qzBIPostTypes.h"
#include "paramformat/qzBOPostTypes.h"

namespace post
{
qzPostedMoveVisitor::~qzPostedMoveVisitor() = default;
qzPostedMoveConstVisitor::~qzPostedMoveConstVisitor() = default;

qzPostedVisitorBinInput::qzPostedVisitorBinInput(qzBIPostTypes& reader, misc::qzAutoPointer<qzPostedMove>& move)
    : m_reader(reader), m_move(move)
{
}

misc::qzBinInputStream& qzPostedVisitorBinInput::Read()
{
    m_move->AcceptVisitor(*this);
    return m_reader.GetStream();
}

void qzPostedVisitorBinInput::Visit(qzPosted3axMove& move)
{
    m_reader >> move;
}
void qzPostedVisitorBinInput::Visit(qzPosted4axMove& move)
{
    m_reader >> move;
}
void qzPostedVisitorBinInput::Visit(qzPosted5axMove& move)
{
    m_reader >> move;
}
void qzPostedVisitorBinInput::Visit(qzPosted6axMove& move)
{
    m_reader >> move;
}

qzPostedVisitorBinOutput::qzPostedVisitorBinOutput(qzBOPostTypes& writer) : m_writer(writer) {}

void qzPostedVisitorBinOutput::Visit(const qzPosted3axMove& move)
{
    m_writer << move;
}
void qzPostedVisitorBinOutput::Visit(const qzPosted4axMove& move)
{
    m_writer << move;
}
void qzPostedVisitorBinOutput::Visit(const qzPosted5axMove& move)
{
    m_writer << move;
}
void qzPostedVisitorBinOutput::Visit(const qzPosted6axMove& move)
{
    m_writer << move;
}

void qzPostedVisitorMoveType::Visit(const qzPosted3axMove&)
{
    m_kind = THREE_AXES;
}
void qzPostedVisitorMoveType::Visit(const qzPosted4axMove&)
{
    m_kind = FOUR_AXES;
}
void qzPostedVisitorMoveType::Visit(const qzPosted5axMove&)
{
    m_kind = FIVE_AXES;
}
void qzPostedVisitorMoveType::Visit(const qzPosted6axMove&)
{
    m_kind = SIX_AXES;
}

qzPostedVisitorMoveType::Kind qzPostedVisitorMoveType::Of(const qzPostedMove& move)
{
    qzPostedVisitorMoveType visitor;
    move.AcceptVisitor(visitor);
    return visitor.GetKind();
}
} // namespace post
