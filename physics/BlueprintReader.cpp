#include "physics/BlueprintReader.h"

#include <cmath>
#include <iostream>

#include "core/CFG.h"
#include "core/Conversions.h"
#include "core/FormatUtils.h"
#include "core/PointsString.h"
#include "physics/BodyIndex.h"

namespace Physics {

namespace {


// More point lists than this on one shape is a broken count, not a shape.
const int MAX_POINT_LISTS = 4096;

bool canTurn(const ChipmunkBlueprint::Details::BodyInfo& body)
{
    return std::isfinite(body.mass) && std::isfinite(body.moment);
}

bool isDynamic(const ChipmunkBlueprint::Details::BodyInfo& body)
{
    return std::isfinite(body.mass);
}

} // namespace

BlueprintReader::BlueprintReader(const std::string& fileName)
    : m_fileName(fileName), m_config(CFG::getDefaultOverrides()), m_keys(m_config, fileName)
{
}

void BlueprintReader::read(Details& details)
{
    if (!m_config.addConfig(m_fileName))
        std::cerr << Format::printable(m_fileName) << ": blueprint file cannot be read, or ends inside a quoted value\n";
    for (const std::string& name : list("BODY_LIST"))
        readBody(name, details);
    for (const std::string& entry : list("JOINT_LIST"))
        readJoint(entry, details);
    for (const std::string& name : list("SHAPE_LIST"))
        readShape(name, details);
}

void BlueprintReader::readBody(const std::string& name, Details& details)
{
    Details::BodyInfo body;
    body.name = name;
    const float mass = Util::strToNum<float>(m_config.get(name + "_MASS"), 10, 0.0f);
    const float moment = Util::strToNum<float>(m_config.get(name + "_MOMENT"), 10, 0.0f);
    const bool isStatic = mass == -1.0f;
    if (!isStatic && !(std::isfinite(mass) && mass > 0.0f)) {
        warn(name + "_MASS", "is neither above 0 nor -1: the body, its joints and shapes are left out");
        return;
    }
    if (!isStatic && moment != -1.0f && !(moment > 0.0f)) {
        warn(name + "_MOMENT", "is neither above 0 nor -1: the body, its joints and shapes are left out");
        return;
    }
    body.mass = isStatic ? INFINITY : mass;
    body.moment = moment > 0.0f ? double(moment) : INFINITY;
    body.offset = point(name + "_BODY_OFFSET");
    details.bodies.push_back(body);
}

void BlueprintReader::readJoint(const std::string& entry, Details& details)
{
    std::vector<std::string> fields;
    Util::splitString(entry, ":", fields, false);
    Details::JointInfo joint = Details::JointInfo();
    if (fields.size() < 3) {
        warn("JOINT_LIST", "entry \"" + entry + "\" is not kind:a:b[:more]: skipped");
        return;
    }
    joint.bodyA = bodyIndex(fields[1], details);
    joint.bodyB = bodyIndex(fields[2], details);
    if (joint.bodyA < 0 || joint.bodyB < 0) {
        warn("JOINT_LIST", "entry \"" + entry + "\" names a body that was not made: skipped");
        return;
    }
    if (!readJointValues(fields, joint)) {
        warn("JOINT_LIST", "entry \"" + entry + "\" has an unknown kind or a wrong field count: skipped");
        return;
    }
    if (!jointAnswered(joint, details)) {
        warn("JOINT_LIST", "entry \"" + entry + "\" joins bodies that cannot answer it: skipped");
        return;
    }
    details.joints.push_back(joint);
}

bool BlueprintReader::readJointValues(const std::vector<std::string>& fields, Details::JointInfo& joint)
{
    const std::string& kind = fields[0];
    const std::string key = "JOINT_LIST";
    if (kind == "PIN" && fields.size() == 5) {
        joint.kind = Details::PIN;
        joint.anchorA = pointText(fields[3], key);
        joint.anchorB = pointText(fields[4], key);
    } else if ((kind == "GEAR" || kind == "RLIMIT") && fields.size() == 5) {
        joint.kind = kind == "GEAR" ? Details::GEAR : Details::RLIMIT;
        joint.first = m_keys.numberText(fields[3], key, 0.0f);
        joint.second = m_keys.numberText(fields[4], key, 0.0f);
    } else if (kind == "DAMPED" && fields.size() == 4) {
        joint.kind = Details::DAMPED;
        readSpring(fields[3], joint);
    } else {
        return false;
    }
    return true;
}

void BlueprintReader::readSpring(const std::string& name, Details::JointInfo& joint)
{
    joint.anchorA = point(name + "_OFFSETA");
    joint.anchorB = point(name + "_OFFSETB");
    joint.restLength = m_keys.number(name + "_RESTLEN", 0.0f);
    // A negative stiffness or damping feeds energy in until the engine aborts.
    joint.stiffness = m_keys.notNegative(name + "_K_FORCE");
    joint.damping = m_keys.notNegative(name + "_DAMPING");
    joint.forceClamp = m_keys.number(name + "_F_CLAMP", 0.0f);
}

// The engine aborts on a joint that neither body can follow.
bool BlueprintReader::jointAnswered(const Details::JointInfo& joint, const Details& details) const
{
    const Details::BodyInfo& a = details.bodies[joint.bodyA];
    const Details::BodyInfo& b = details.bodies[joint.bodyB];
    if (joint.bodyA == joint.bodyB)
        return false;
    if (joint.kind == Details::PIN || joint.kind == Details::DAMPED)
        return isDynamic(a) || isDynamic(b);
    if (joint.kind == Details::GEAR && joint.second == 0.0)
        return false;
    return canTurn(a) || canTurn(b);
}

void BlueprintReader::readShape(const std::string& name, Details& details)
{
    Details::ShapeInfo shape = Details::ShapeInfo();
    shape.name = name;
    shape.body = bodyIndex(m_config.get(name + "_BODY_REF"), details);
    if (shape.body < 0) {
        warn(name + "_BODY_REF", "names a body that was not made: the shape is skipped");
        return;
    }
    const std::string type = m_config.get(name + "_TYPE");
    shape.isStatic = m_config.get(name + "_IS_STATIC") == "YES";
    shape.group = Util::strToNum<unsigned>(m_config.get(name + "_GROUP"), 10, 0xFFFFFFFFu);
    shape.layers = Util::strToNum<unsigned>(m_config.get(name + "_LAYERS"), 16, 0xFFFFFFFFu);
    shape.collisionType = Util::strToNum<unsigned>(m_config.get(name + "_COLLISION_TYPE"), 10, 0xFFFFFFFFu);
    shape.offset = point(name + "_OFFSET");
    shape.elasticity = m_keys.notNegative(name + "_ELASTIC");
    shape.friction = m_keys.notNegative(name + "_FRICTION");
    shape.surfaceVelocity = point(name + "_SURFACE");
    shape.relativePoints = m_config.get(name + "_RELATIVE_POINTS") == "YES";
    if (type == "POLYGON") {
        shape.kind = Details::POLYGON;
        readPointLists("POLY_" + name, name + "_NUM_POLYS", shape);
    } else if (type == "LINE") {
        shape.kind = Details::LINE;
        shape.lineWidth = m_keys.number(name + "_LINE_WIDTH", 0.0f);
        readPointLists("LINE_" + name, name + "_NUM_LINES", shape);
    } else if (type == "CIRCLE") {
        shape.kind = Details::CIRCLE;
        shape.radius = m_keys.number(name + "_RADIUS", 0.0f);
    } else {
        warn(name + "_TYPE", "is not POLYGON, LINE or CIRCLE: the shape is skipped");
        return;
    }
    details.shapes.push_back(shape);
}

void BlueprintReader::readPointLists(const std::string& prefix, const std::string& countKey,
                                     Details::ShapeInfo& shape)
{
    int count = Util::strToNum<int>(m_config.get(countKey), 10, 0);
    if (count > MAX_POINT_LISTS) {
        warn(countKey, "is above " + std::to_string(MAX_POINT_LISTS) + ": that many are read");
        count = MAX_POINT_LISTS;
    }
    const MathStuff::PointsString reader(0.0f, false);
    for (int i = 1; i <= count; ++i) {
        const std::string key = prefix + std::to_string(i);
        std::vector<MathStuff::Vector3<float> > points;
        reader.parse(m_config.get(key), points, false);
        for (const MathStuff::Vector3<float>& p : points) {
            if (!MathStuff::isFinite(p)) {
                warn(key, "holds a point out of range: the list is left out");
                points.clear();
                break;
            }
        }
        shape.points.push_back(points);
    }
}

int BlueprintReader::bodyIndex(const std::string& name, const Details& details) const
{
    const auto nameOf = [](const Details::BodyInfo& body) -> const std::string& { return body.name; };
    return Physics::bodyIndex(details.bodies, name, nameOf);
}

std::vector<std::string> BlueprintReader::list(const std::string& key) const
{
    std::vector<std::string> names;
    Util::tokenizeStr(m_config.get(key), names, Util::BLANKS);
    return names;
}

cpVect BlueprintReader::point(const std::string& key) const
{
    return pointText(m_config.get(key), key);
}

cpVect BlueprintReader::pointText(const std::string& text, const std::string& key) const
{
    const MathStuff::Vector3<float> p = m_keys.pointText(text, key);
    return cpv(p.x, p.y);
}

void BlueprintReader::warn(const std::string& key, const std::string& text) const
{
    m_keys.warn(key, text);
}

} // namespace Physics
