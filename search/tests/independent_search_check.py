#!/usr/bin/env python3
"""Checks kestrava-design --search from outside: the returned design meets every constraint by a
computation written apart from the program, its costs are recomputed from the record, --rules with
its rules gives the same record and assessment, and no feasible random grid point owns less.

Usage: independent_search_check.py KESTRAVA_DESIGN STANDARDS_FOLDER RANDOM_POINTS [quick]
("quick" checks the first rating only.)
"""
import json
import math
import random
import subprocess
import sys

CLEARANCES = ("lvEndClearance", "hvEndClearance", "hvCoilClearance")
NOT_SIZES = CLEARANCES + ("frequency", "tapping")
PRICES = {"copper": 11.0, "oil": 1.6, "tankSteel": 1.2}
A, B = 5.0, 1.0
# Default grid: name -> list of values (flux by steel).
K = [round(0.35 + 0.01 * i, 2) for i in range(41)]
FLUX = {"legacy": [round(1.0 + 0.05 * i, 2) for i in range(9)],
        "crgo-m4-027": [round(1.2 + 0.05 * i, 2) for i in range(11)],
        "hib-023": [round(1.2 + 0.05 * i, 2) for i in range(11)]}
DENSITY = [round(1.6 + 0.1 * i, 1) for i in range(19)]
RATIO = [2.0 + 0.25 * i for i in range(9)]


def run(program, *arguments):
    done = subprocess.run([program, *arguments], capture_output=True, text=True, check=False)
    return done.returncode, done.stdout, done.stderr


def owning(record, steel_price):
    limb = 22.8e3 * record["netIronArea"] * record["windowHeight"] / 1e9
    core = limb + record["yokeWeight"]
    copper = sum(3 * record[f"{w}TurnsPerPhase"] * record[f"{w}MeanTurnLength"] *
                 record[f"{w}ConductorArea"] * 8.89 / 1e3 for w in ("hv", "lv"))
    length, width, height = record["tankLength"], record["tankWidth"], record["tankHeight"]
    active = core / 7600 + copper / 8890
    oil = (length * width * (height - 0.2) - active) * 870
    tank = (2 * (length + width) * height + 2 * length * width) * 0.004 * 7850
    material = (core * steel_price + copper * PRICES["copper"] + oil * PRICES["oil"] +
                tank * PRICES["tankSteel"])
    return material, material + A * record["totalCoreLoss"] + B * record["totalCopperLoss"]


def regime_limit(regime, name, kva):
    rows = regime["rows"]
    for lower, upper in zip(rows, rows[1:]):
        if lower["kva"] <= kva <= upper["kva"]:
            share = (kva - lower["kva"]) / (upper["kva"] - lower["kva"])
            return lower[name] + (upper[name] - lower[name]) * share
    return None


def broken(record, regime):
    """The constraints 'record' breaks, computed from its fields alone."""
    found = [name for name in CLEARANCES if record[name] < 0]
    for name, value in record.items():
        if isinstance(value, (int, float)) and not isinstance(value, bool):
            if name not in NOT_SIZES and not value > 0:
                found.append("positiveSizes")
    z = record["puImpedance"]
    minimum = 4.0 if record["kvaRating"] <= 630 else 5.0 if record["kvaRating"] <= 1250 else 0
    if z * 100 < minimum:
        found.append("minimumImpedance")
    for w in ("hv", "lv"):
        j = record[f"{w}PhaseCurrent"] / record[f"{w}ConductorArea"] / z
        denominator = 106000 / (j * j * 2) - 1
        if not (denominator > 0 and 105 + 2 * (105 + 235) / denominator <= 250):
            found.append(f"{w}ShortCircuit")
    if regime is not None and record["frequency"] in regime["scope"]["frequencies"]:
        for name, value in (("maxNoLoadLossW", record["totalCoreLoss"]),
                            ("maxLoadLossW", record["totalCopperLoss"])):
            limit = regime_limit(regime, name, record["kvaRating"])
            if limit is not None and value > limit:
                found.append(name)
    return found


def rules_text(rules):
    return ",".join(f"{name}={value}" for name, value in rules.items())


def check(program, standards, rating, regime_name, objective, points, rng):
    steels = {s["name"]: s for s in json.load(open(f"{standards}/core_steels.json"))["steels"]}
    regime = json.load(open(f"{standards}/{regime_name}.json")) if regime_name else None
    base = ["--kva", str(rating[0]), "--primary", str(rating[1]), "--secondary", str(rating[2])]
    limits = ["--regime", regime_name] if regime_name else []
    status, out, err = run(program, *base, "--search", "--objective", objective, *limits)
    assert status == 0, err
    best = json.loads(out)["best"]
    assert broken(best, regime) == [], broken(best, regime)
    material, total = owning(best, steels[best["rules"]["steel"]]["pricePerKg"])
    cost = best["assessment"]["cost"]
    assert math.isclose(material, cost["material"], rel_tol=1e-9), (material, cost)
    assert math.isclose(total, cost["totalOwning"], rel_tol=1e-9), (total, cost)
    goal = material if objective == "material" else total

    status, out, err = run(program, *base, "--rules", rules_text(best["rules"]), "--assess", *limits)
    assert status == 0, err
    assert json.loads(out) == best, "--rules gives another record"

    feasible = 0
    for _ in range(points):
        steel = rng.choice(sorted(FLUX))
        rules = {"outputConstant": rng.choice(K), "coreFluxDensity": rng.choice(FLUX[steel]),
                 "currentDensity": rng.choice(DENSITY), "windowRatio": rng.choice(RATIO),
                 "parallelStrips": rng.randint(1, 4), "steel": steel}
        status, out, _ = run(program, *base, "--rules", rules_text(rules), "--assess", *limits)
        if status != 0:
            continue
        record = json.loads(out)
        if broken(record, regime):
            continue
        feasible += 1
        point_material, point_total = owning(record, steels[steel]["pricePerKg"])
        point_goal = point_material if objective == "material" else point_total
        assert goal <= point_goal * (1 + 1e-12), (rules, point_goal, goal)
    print(f"{rating} {regime_name or 'no regime'} {objective}: best {goal:.2f}, "
          f"{feasible} of {points} random points feasible, none cheaper")


def main():
    program, standards, points = sys.argv[1], sys.argv[2], int(sys.argv[3])
    rng = random.Random(20261209)
    cases = [((160, 11000, 433), None, "toc"), ((100, 11000, 433), None, "material"),
             ((100, 11000, 433), "eu-2014-548-tier1", "toc")]
    for rating, regime, objective in cases[:1] if sys.argv[4:] == ["quick"] else cases:
        check(program, standards, rating, regime, objective, points, rng)


if __name__ == "__main__":
    main()
