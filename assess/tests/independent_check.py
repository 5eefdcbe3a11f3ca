#!/usr/bin/env python3
"""Recomputes the assessment of kestrava-design --assess from the JSON records alone and
compares every value to 1e-9, for batches of ratings with and without settings and regimes.

Usage: independent_check.py KESTRAVA_DESIGN STANDARDS_FOLDER WORK_FOLDER
"""
import itertools
import json
import math
import os
import subprocess
import sys

TOLERANCE = 1e-9
DEFAULTS = {"prices": {"coreSteel": 2.5, "copper": 11.0, "oil": 1.6, "tankSteel": 1.2},
            "capitalisation": {"noLoadLossPerW": 5.0, "loadLossPerW": 1.0},
            "tankWallThickness": 0.004}


def ratings():
    kvas = [15, 25, 30, 40, 50, 63, 75, 100, 112.5, 125, 160, 200, 250, 315, 400, 500, 630, 1000]
    voltages = [(11000, 433), (6600, 415), (22000, 433), (24000, 400), (33000, 3300),
                (11000, 3300), (3300, 415), (13800, 480)]
    connections = ["Delta-Star", "Star-Delta", "Star-Star", "Delta-Delta"]
    rows = []
    for i, (kva, (hv, lv)) in enumerate(itertools.product(kvas, voltages)):
        rows.append((kva, hv, lv, 50 if i % 3 else 60, connections[i % 4], (i % 3) * 2.5))
    return rows


def settings_with(file_settings):
    merged = json.loads(json.dumps(DEFAULTS))
    for group in ("prices", "capitalisation"):
        merged[group].update(file_settings.get(group, {}))
    if "tankWallThickness" in file_settings:
        merged["tankWallThickness"] = file_settings["tankWallThickness"]
    return merged


def limit_at(regime, name, kva):
    rows = regime["rows"]
    if not rows[0]["kva"] <= kva <= rows[-1]["kva"]:
        return None
    for lower, upper in zip(rows, rows[1:]):
        if kva == lower["kva"]:
            return float(lower[name])
        if lower["kva"] < kva < upper["kva"]:
            fraction = (kva - lower["kva"]) / (upper["kva"] - lower["kva"])
            return lower[name] + (upper[name] - lower[name]) * fraction
    return float(rows[-1][name])


def in_scope(record, scope):
    if scope.get("frequencies") and record["frequency"] not in scope["frequencies"]:
        return False
    if "maxPrimaryLineVoltage" not in scope:
        return True
    star = record["connectionType"] in ("Star-Delta", "Star-Star")
    limit = scope["maxPrimaryLineVoltage"]
    return record["primaryVoltage"] <= (limit / math.sqrt(3.0) if star else limit)


def efficiency(kva, p0, pk, load, pf):
    output = load * kva * 1000 * pf
    return output / (output + p0 + load * load * pk) * 100


def expected_assessment(r, s, regime):
    p0, pk = r["totalCoreLoss"], r["totalCopperLoss"]
    limb = 22.8e3 * r["netIronArea"] * r["windowHeight"] / 1e9
    core = limb + r["yokeWeight"]
    hv = 3 * r["hvTurnsPerPhase"] * r["hvMeanTurnLength"] * r["hvConductorArea"] * 8.89 / 1e3
    lv = 3 * r["lvTurnsPerPhase"] * r["lvMeanTurnLength"] * r["lvConductorArea"] * 8.89 / 1e3
    length, width, height = r["tankLength"], r["tankWidth"], r["tankHeight"]
    active = core / 7600 + (hv + lv) / 8890
    oil_volume = length * width * (height - 0.2) - active
    oil = oil_volume * 870
    steel = (2 * (length + width) * height + 2 * length * width) * s["tankWallThickness"] * 7850
    price, cap = s["prices"], s["capitalisation"]
    material = (core * price["coreSteel"] + (hv + lv) * price["copper"] + oil * price["oil"] +
                steel * price["tankSteel"])
    kva = r["kvaRating"]
    table = [{"load": x, "powerFactor": pf, "percent": efficiency(kva, p0, pk, x, pf)}
             for pf in (1.0, 0.8) for x in (0.25, 0.5, 0.75, 1.0, 1.25)]
    best = math.sqrt(p0 / pk)
    er, ex = r["puResistance"], r["puReactance"]
    regulation = []
    for pf in (1.0, 0.8):
        sin = math.sqrt(1 - pf * pf)
        regulation.append({"powerFactor": pf, "percent":
                           (er * pf + ex * sin + (ex * pf - er * sin) ** 2 / 2) * 100})
    texts = {"hvCoilClearance": "H.V. coils of adjacent limbs overlap by %.2f mm",
             "hvEndClearance": "H.V. winding is taller than the window: it overruns each end "
                               "by %.2f mm",
             "lvEndClearance": "L.V. winding is taller than the window: it overruns each end "
                               "by %.2f mm"}
    clearances = [{"field": f, "mm": r[f], "text": texts[f] % -r[f]}
                  for f in ("lvEndClearance", "hvEndClearance", "hvCoilClearance") if r[f] < 0]
    minimum = 4.0 if kva <= 630 else 5.0 if kva <= 1250 else None
    impedance_percent = r["puImpedance"] * 100
    short_circuit = []
    for winding in ("hv", "lv"):
        j = r[winding + "PhaseCurrent"] / r[winding + "ConductorArea"] / r["puImpedance"]
        denominator = 106000 / (j * j * 2) - 1
        theta = 105 + 2 * (105 + 235) / denominator if denominator > 0 else None
        short_circuit.append({"winding": winding, "currentDensity": j,
                              "finalTemperature": theta, "limit": 250.0,
                              "pass": theta is not None and theta <= 250})
    compliance = None
    if regime is not None:
        covered = in_scope(r, regime["scope"]) and (
            regime["rows"][0]["kva"] <= kva <= regime["rows"][-1]["kva"])
        values = {"maxNoLoadLossW": p0, "maxLoadLossW": pk,
                  "minEfficiency50": table[1]["percent"]}
        limits = []
        for name in ("maxNoLoadLossW", "maxLoadLossW", "minEfficiency50"):
            if name not in regime["rows"][0]:
                continue
            limit = limit_at(regime, name, kva) if covered else None
            verdict = None
            if covered:
                verdict = values[name] >= limit if name.startswith("min") else values[name] <= limit
            limits.append({"name": name, "value": values[name], "limit": limit, "pass": verdict})
        compliance = {"regime": regime["name"], "covered": covered, "limits": limits,
                      "pass": all(l["pass"] for l in limits) if covered else None}
    return {
        "masses": {"coreLimb": limb, "coreYoke": r["yokeWeight"], "core": core, "hvCopper": hv,
                   "lvCopper": lv, "copper": hv + lv, "oil": oil, "tankSteel": steel,
                   "total": core + hv + lv + oil + steel},
        "volumes": {"tank": height * length * width, "activePart": active, "oil": oil_volume},
        "cost": {"material": material, "noLoadLossCapitalised": cap["noLoadLossPerW"] * p0,
                 "loadLossCapitalised": cap["loadLossPerW"] * pk,
                 "totalOwning": material + cap["noLoadLossPerW"] * p0 + cap["loadLossPerW"] * pk},
        "efficiency": table,
        "maximumEfficiency": {"load": best, "percent": efficiency(kva, p0, pk, best, 1.0)},
        "regulation": regulation,
        "clearances": clearances,
        "compliance": compliance,
        "impedance": {"percent": impedance_percent, "minimumPercent": minimum,
                      "pass": None if minimum is None else impedance_percent >= minimum},
        "shortCircuit": short_circuit,
    }


def differences(expected, actual, path="assessment"):
    """Every place where 'actual' differs from 'expected' beyond the tolerance."""
    if isinstance(expected, dict):
        if not isinstance(actual, dict) or list(actual) != list(expected):
            return [f"{path}: members {list(actual) if isinstance(actual, dict) else actual} "
                    f"instead of {list(expected)}"]
        return [d for key in expected for d in differences(expected[key], actual[key],
                                                            f"{path}.{key}")]
    if isinstance(expected, list):
        if not isinstance(actual, list) or len(actual) != len(expected):
            return [f"{path}: {actual} instead of {expected}"]
        return [d for i, (e, a) in enumerate(zip(expected, actual))
                for d in differences(e, a, f"{path}[{i}]")]
    if isinstance(expected, float) and not isinstance(expected, bool):
        if not isinstance(actual, (int, float)) or isinstance(actual, bool) or \
                abs(actual - expected) > TOLERANCE * max(1.0, abs(expected)):
            return [f"{path}: {actual!r} instead of {expected!r}"]
        return []
    return [] if expected == actual else [f"{path}: {actual!r} instead of {expected!r}"]


def main():
    design, standards, work = sys.argv[1:4]
    os.makedirs(work, exist_ok=True)
    batch = os.path.join(work, "ratings.csv")
    with open(batch, "w") as out:
        out.write("kva,primary,secondary,frequency,connection,tapping\n")
        for row in ratings():
            out.write(",".join(str(v) for v in row) + "\n")
    custom = {"name": "Mine", "source": "a test", "scope": {"description": "any frequency"},
              "rows": [{"kva": 20, "maxNoLoadLossW": 400, "minEfficiency50": 96.0},
                       {"kva": 300, "maxNoLoadLossW": 2500, "minEfficiency50": 98.0}]}
    custom_file = os.path.join(work, "mine.json")
    with open(custom_file, "w") as out:
        json.dump(custom, out)
    cheap = {"prices": {"copper": 9.5, "oil": 1.1}, "tankWallThickness": 0.005}
    dear = {"prices": {"copper": 13.25, "oil": 2.0, "tankSteel": 1.9},
            "capitalisation": {"noLoadLossPerW": 7.5, "loadLossPerW": 1.75}}
    runs = [(None, None), (cheap, "eu-2014-548-tier1"), (dear, "eu-2014-548-tier2"),
            (None, "us-doe-2016"), (cheap, custom_file)]
    checked, problems = 0, []
    for number, (file_settings, regime_name) in enumerate(runs):
        command = [design, "--batch", batch, "--assess"]
        if file_settings is not None:
            settings_file = os.path.join(work, f"settings{number}.json")
            with open(settings_file, "w") as out:
                json.dump(file_settings, out)
            command += ["--settings", settings_file]
        regime = None
        if regime_name is not None:
            command += ["--regime", regime_name]
            regime_path = regime_name if regime_name.endswith(".json") else \
                os.path.join(standards, regime_name + ".json")
            with open(regime_path) as source:
                regime = json.load(source)
        result = subprocess.run(command, capture_output=True, text=True, check=False)
        if result.returncode != 0:
            print(f"{' '.join(command)} gave status {result.returncode}: {result.stderr}")
            return 1
        settings = settings_with(file_settings or {})
        for line in result.stdout.splitlines():
            record = json.loads(line)
            if "error" in record:
                continue
            problems += differences(expected_assessment(record, settings, regime),
                                    record["assessment"], f"run {number} kva {record['kvaRating']}")
            checked += 1
    print(f"{checked} assessments recomputed, {len(problems)} differences")
    for problem in problems[:20]:
        print(problem)
    return 0 if checked >= 100 * len(runs) and not problems else 1


if __name__ == "__main__":
    sys.exit(main())
