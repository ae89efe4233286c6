#include "response.h"

#include "frame.h"
#include "hextext.h"
#include "reasons.h"

namespace rfid {

QString Response::byteText(int k) const
{
    if (k < 0 || k >= frame.size())
        return {};
    return byteHex(static_cast<unsigned char>(frame[k]));
}

QByteArray Response::data() const
{
    if (frame.size() < 6)
        return {};
    return frame.mid(4, frame.size() - 6);
}

QByteArray Response::dataAt(int k, int n) const
{
    return data().mid(k - 4, n);
}

QString Response::dataText() const
{
    return bytesToHex(data());
}

Response evaluate(const QString &recdata)
{
    Response r;
    if (recdata.isEmpty())
        return r;
    r.frame = hexToBytes(recdata);
    // A frame too short to hold a status byte cannot be believed either.
    if (!frameIntact(r.frame) || r.frame.size() < 6) {
        r.outcome = Outcome::Corrupted;
        return r;
    }
    switch (static_cast<unsigned char>(r.frame[3])) {
    case 0x00:
        r.outcome = Outcome::Success;
        break;
    case 0x01:
        r.outcome = Outcome::Failure;
        r.reason = r.frame.size() > 6 ? r.byteText(4) : QString();
        break;
    default:
        r.outcome = Outcome::Corrupted;
    }
    return r;
}

QString outcomeEntry(const Response &r, const OutcomeTexts &texts, const QString &time)
{
    switch (r.outcome) {
    case Outcome::NoData:
        return texts.noData + time + kCrLf;
    case Outcome::Failure:
        return texts.failure + time + kCrLf + falsereason(r.reason) + kCrLf;
    case Outcome::Corrupted:
        return texts.corrupted + time + kCrLf;
    case Outcome::Success:
        break;
    }
    return {};
}

} // namespace rfid
