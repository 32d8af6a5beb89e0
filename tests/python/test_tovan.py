"""The Python module against the command line: same settings, same numbers."""
import json
import math
import os
import subprocess

import numpy as np
import pytest

import tovan

CLI = os.environ.get("TOVAN_CLI", "build/tovan-cli")


def cli_json(*options):
    result = subprocess.run([CLI, *options, "--json"], capture_output=True, text=True, check=True)
    return json.loads(result.stdout)


def as_array(values):
    return np.array([math.nan if v is None else v for v in values], dtype=float)


def same_bits(a, b):
    a, b = np.asarray(a, dtype=float), np.asarray(b, dtype=float)
    return a.shape == b.shape and a.tobytes() == b.tobytes()


@pytest.mark.parametrize("options, settings", [
    (["--preset", "0"], {}),
    (["--preset", "4", "--three-cells", "--samples-per-bit", "16", "--bitrate", "5.125",
      "--risetime", "33", "--group-delay", "17"],
     {"three_cells": True, "samples_per_bit": 16, "bitrate": 5.125, "risetime": 33,
      "group_delay": 17}),
])
def test_every_array_equals_the_command_lines_json(options, settings):
    document = cli_json(*options, "--metrics")
    engine = tovan.Engine()
    engine.apply_preset(int(options[1]))
    for name, value in settings.items():
        setattr(engine, name, value)

    assert same_bits(engine.input_traces(), [as_array(c) for c in document["inputTraces"]])
    assert same_bits(engine.output_traces(), [as_array(c) for c in document["outputTraces"]])
    for method, key in [("scope_magnitude", "scopeMagnitudeTrace"),
                        ("scope_phase", "scopePhaseTrace"),
                        ("input_spectrum", "inputSpectrumTrace"),
                        ("output_spectrum", "outputSpectrumTrace")]:
        frequencies, values = getattr(engine, method)()
        assert same_bits(frequencies, as_array(document[key]["abscissae"])), method
        assert same_bits(values, as_array(document[key]["ordinates"])), method
    metrics = engine.metrics()
    for side in ("input", "output", "difference"):
        assert same_bits([metrics[side][k] for k in document["metrics"][side]],
                         as_array(document["metrics"][side].values()))


def test_a_sweep_equals_the_command_lines_sweep():
    document = cli_json("--preset", "2", "--sweep", "bandwidth=4:8:0.5")
    columns = tovan.sweep("bandwidth", np.arange(4, 8.25, 0.5), preset=2)
    assert same_bits(columns["bandwidth"], [row["value"] for row in document["rows"]])
    for key in document["rows"][0]["metrics"]["output"]:
        expected = as_array(row["metrics"]["output"][key] for row in document["rows"])
        assert same_bits(columns["output_" + key], expected), key


@pytest.mark.parametrize("name, value, message", [
    ("bitrate", 7, "--bitrate: '7' is out of range (allowed: 1 to 6 Gbps)"),
    ("bandwidth", math.nan, "--bandwidth: 'nan' is not a finite decimal number"),
    ("samples_per_bit", 48, "--samples-per-bit: '48' is out of range"),
    ("flatness", [0] * 9, None),
])
def test_a_refused_value_raises_value_error_and_changes_nothing(name, value, message):
    engine = tovan.Engine()
    before = getattr(engine, name)
    with pytest.raises((ValueError, TypeError)) as error:
        setattr(engine, name, value)
    if message:
        assert error.type is not TypeError and message in str(error.value)
    assert getattr(engine, name) == before


def test_stat_eye_and_a_measured_response_equal_the_command_line(tmp_path):
    probe = tmp_path / "probe.s2p"
    rows = [f"{f:g} 0 0 {10 ** (-f / 40):.6f} {-20 * f:.3f} 0 0 0 0" for f in (0.1, 1, 2, 4, 8, 16)]
    probe.write_text("# GHz S MA R 50\n" + "\n".join(rows) + "\n")
    document = cli_json("--response", str(probe), "--response-mode", "cascade",
                        "--stat-eye", "--rj", "1.5", "--dj", "4", "--noise", "3", "--ber", "1e-9")
    engine = tovan.Engine()
    engine.apply_preset(0)
    engine.load_response(str(probe), "cascade")
    assert same_bits(engine.output_traces(), [as_array(c) for c in document["outputTraces"]])
    eye = engine.stat_eye(rj=1.5, dj=4, noise=3, ber=1e-9)
    expected = document["statEye"]
    for key in ("targetBer", "rj", "dj", "noise", "eyeHeight", "eyeWidth", "bestPhase"):
        assert same_bits([eye[key]], [expected[key]]), key
    assert same_bits(eye["bathtubHorizontal"]["log10Ber"], expected["bathtubHorizontal"]["log10Ber"])
    assert same_bits(eye["bathtubVertical"]["volts"], expected["bathtubVertical"]["volts"])
    assert list(eye["contours"]) == list(expected["contours"])
    for level, line in expected["contours"].items():
        assert same_bits(eye["contours"][level], np.array(line).reshape(-1, 2)), level

    with pytest.raises(ValueError, match="--ber"):
        engine.stat_eye(ber=0.7)
    with pytest.raises(ValueError, match="missing.s2p"):
        engine.load_response(str(tmp_path / "missing.s2p"))
    assert same_bits(engine.output_traces(), [as_array(c) for c in document["outputTraces"]])


def test_a_setup_saved_from_python_reopens_identically_and_matches_the_command_line(tmp_path):
    engine = tovan.Engine()
    engine.apply_preset(2)
    engine.bitrate = 5.0
    engine.stat_eye(rj=1, noise=2)
    first, second = tmp_path / "a.json", tmp_path / "b.json"
    engine.save_setup(str(first))
    reopened = tovan.Engine()
    reopened.load_setup(str(first))
    reopened.save_setup(str(second))
    assert first.read_bytes() == second.read_bytes()
    document = cli_json("--setup", str(first))
    assert same_bits(reopened.output_traces(), [as_array(c) for c in document["outputTraces"]])

    bad = tmp_path / "bad.json"
    bad.write_text(first.read_text().replace('"bitrate": 5', '"bitrate": 9'))
    with pytest.raises(ValueError, match="bad.json"):
        reopened.load_setup(str(bad))
    assert same_bits(reopened.output_traces(), [as_array(c) for c in document["outputTraces"]])
